// The typed setting variables now live with the settings (settings/setting_value.h).
#pragma once

#include "settings/setting_value.h"
