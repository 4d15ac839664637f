// Where pictures_bench still includes the hostile picture files from; the tests take them from support/.
#pragma once

#include "../support/hostile_pictures.h"
