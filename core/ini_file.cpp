#include "core/ini_file.h"
