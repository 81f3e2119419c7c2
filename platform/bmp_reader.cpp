#include "platform/bmp_reader.h"
