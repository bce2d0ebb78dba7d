// Placeholder until the playback engine lands.
#include "playback/playback.h"
#include "common/fatal.h"
void PLAY(const int8_t*, int64_t, int64_t, const char*, uint32_t, int32_t, int32_t, int32_t) { die(1, stderr, "not built yet\n"); }
void audition(const int8_t*, int64_t, const int8_t*, int32_t, uint32_t, float, float, int32_t, const char*, int32_t) { die(1, stderr, "not built yet\n"); }
void play_tempo_map(const std::vector<TempoMapEntry>&, const int8_t*, int64_t, const int8_t*, int32_t, uint32_t, const char*, int32_t) { die(1, stderr, "not built yet\n"); }
