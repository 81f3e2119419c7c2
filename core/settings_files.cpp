#include "core/settings_files.h"
