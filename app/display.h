// When Qt opens no display: one line saying why, from the platforms Qt reports it tried, and status 1.
#pragma once

#include <string>

namespace display {

// Holds Qt's messages back while QApplication starts. Should no platform
// start, Qt would print several lines, advise reinstalling and abort; this
// prints one line instead, naming each display Qt tried and why it did not
// open, with the command that starts `program` under Xvfb, and exits with 1.
void hold_messages_while_starting(std::string program);

// A platform started: the held messages are shown as usual, and so is every later one.
void release_messages();

}  // namespace display
