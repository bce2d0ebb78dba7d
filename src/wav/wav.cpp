// Placeholder until the WAV writer lands.
#include "wav/wav.h"
#include "common/fatal.h"
void Decon2(uint16_t, uint8_t[2]) { die(2, stdout, "not built yet\n"); }
void Decon4(int64_t, uint8_t[4]) { die(2, stdout, "not built yet\n"); }
void MAKE_HEADER(const char*, uint32_t, uint32_t, int64_t) { die(2, stdout, "not built yet\n"); }
void FIX_SIZE(const char*) { die(2, stdout, "not built yet\n"); }
int64_t WRITE_FILE(uint32_t, int32_t, float, int64_t, const char*, const int8_t*, const int8_t*, int64_t) { die(2, stdout, "not built yet\n"); }
void write_track(const char*, uint32_t, int32_t, float, int64_t, const int8_t*, const int8_t*, int64_t) { die(2, stdout, "not built yet\n"); }
void append_track(const char*, uint32_t, int32_t, float, int64_t, const int8_t*, const int8_t*, int64_t) { die(2, stdout, "not built yet\n"); }
void write_tempo_map(const std::vector<TempoMapEntry>&, const char*, uint32_t, int32_t, const int8_t*, const int8_t*, int64_t, float*, float*) { die(2, stdout, "not built yet\n"); }
