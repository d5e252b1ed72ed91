#include "fakeforms.h"
