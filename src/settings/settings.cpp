// Placeholder until the settings file routines land.
#include "settings/settings.h"
#include "common/fatal.h"
void GET_PARAMS(std::FILE*, uint32_t*, int32_t*, char[deviceCapacity], float*, float*, float*, int32_t*, int32_t*, char[saveCapacity], char[mapCapacity]) { die(2, stdout, "not built yet\n"); }
bool WriteParams(const char*, uint32_t, float, int32_t, float, int32_t, int32_t, float, const char*, const char*) { die(2, stdout, "not built yet\n"); }
