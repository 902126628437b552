#pragma once
#include "core/conf_record.h"

namespace kavrel::core {

// The settings of a first start: the built-in values of every control. "DefaultConf.pcf" is this record,
// and it is what the program falls back to when even that file cannot be read.
TConfRecord designDefaults();

} // namespace kavrel::core
