#pragma once

#include "system/SupportedSystemRule.h"

// The version the system records for this process in its environment block: unlike the
// version query functions it is not shimmed by compatibility settings or the manifest. The
// update revision comes from the registry (UBR), 0 when it cannot be read.
SystemVersion ReadProcessVersion();
