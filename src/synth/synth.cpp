// Additive synthesis of the click and its packing into sample bytes.
#include "synth/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/timing.h"

namespace {

// Harmonics and periods of a click before any lowering.
constexpr int32_t fullHarmonicCount = 8;
constexpr int32_t fullPeriodCount = 3;

// The shape of the click for one rebuild.
struct ClickShape {
    int32_t harmonicCount;  // harmonics synthesised (0 or less: silent)
    int32_t periodCount;    // periods of each harmonic (0: empty click)
    int64_t basePeriod;     // samples per period of Hz, truncated
    int64_t clickLength;    // periodCount x basePeriod, always below rate
};

// T(c) of the harmonic lowering: is 2^(c-1) x Hz, truncated, above half the
// sample rate? Truncated in double precision, which is the 64-bit
// truncation wherever that is defined, and above any rate beyond it.
bool octave_above_nyquist(int32_t c, float Hz, uint32_t rate)
{
    const double octave = std::pow(2.0, c - 1) * static_cast<double>(Hz);
    return std::trunc(octave) > 0.5 * static_cast<double>(rate);
}

// Derives the shape afresh from 8 harmonics and 3 periods for `rate` and
// `Hz`. Prints "The frequency chosen is too low for this tempo!" as a line
// when the period count falls to 0. A frequency that is not a positive
// finite number, or one so small that rate / Hz reaches 2^61, gives
// an empty shape (clickLength 0) without a message. `rate` is at least 1.
ClickShape click_shape(uint32_t rate, float Hz)
{
    ClickShape shape = {fullHarmonicCount, fullPeriodCount, 0, 0};
    float base = static_cast<float>(rate) / Hz;
    // A frequency that is not a positive finite number, or one whose period
    // does not fit the 64-bit length arithmetic: an empty click.
    if (!std::isfinite(Hz) || !(Hz > 0.0f) || !(base < 2305843009213693952.0f))
        return shape;
    shape.basePeriod = static_cast<int64_t>(base);

    // Both counts start afresh from 8 and 3 on every rebuild, so the click
    // depends only on the settings as they now stand.
    while (octave_above_nyquist(shape.harmonicCount, Hz, rate)) shape.harmonicCount--;

    int64_t length = shape.periodCount * shape.basePeriod;
    while (length >= static_cast<int64_t>(rate)) {
        shape.periodCount--;
        length = shape.periodCount * shape.basePeriod;
        if (shape.periodCount == 0) std::puts("The frequency chosen is too low for this tempo!");
    }
    shape.clickLength = length;
    return shape;
}

// Stores bytes `shift` / 8 up to 2 (bits up to 23) of each accumulator's
// two's complement, least significant first.
void pack(const int64_t* samples, int8_t* bytes, int64_t count, int shift)
{
    for (int64_t n = 0; n < count; n++)
        for (int s = shift; s < 24; s += 8) *bytes++ = static_cast<int8_t>(samples[n] >> s);
}

}  // namespace

void GEN_CLICK(int64_t* samples, int32_t F, int32_t periods, int32_t harmonics,
               uint32_t rate, int64_t length)
{
    const float R = static_cast<float>(rate);
    int64_t f = F;
    // Each harmonic is added on top of those before it; with no harmonic, or
    // no period, every sample stays 0.
    for (int32_t k = 1; k <= harmonics; k++, f += F) {
        const double fHz = static_cast<float>(f);
        const float omega = static_cast<float>(fHz * 6.283185307179586 / static_cast<double>(R));
        const int64_t s = f > 0 ? static_cast<int64_t>(R / static_cast<float>(f)) : 0;
        // Period p covers samples (p - 1) x s to p x s - 1; the sine runs on
        // from one period into the next without a break in phase.
        for (int32_t p = 1; p <= periods; p++) {
            const float a = static_cast<float>(12582912.0 * std::pow(0.5, k) * std::pow(0.5, p));
            // A fractional Hz makes a harmonic longer than the click:
            // it is cut at the click's end.
            const int64_t end = std::min(p * s, length);
            for (int64_t i = (p - 1) * s; i < end; i++) {
                const float wave = std::sin(static_cast<float>(i) * omega) * a;
                samples[i] = static_cast<int64_t>(static_cast<float>(samples[i]) + wave);
            }
        }
    }
    std::putchar('\n');
}

void NUM24_TO_CHAR(const int64_t* samples, int8_t* bytes, int64_t count)
{
    pack(samples, bytes, count, 0);
}

void NUM24_TO_CHAR16(const int64_t* samples, int8_t* bytes, int64_t count)
{
    pack(samples, bytes, count, 8);
}

Click build_click(uint32_t rate, float Hz, int32_t bits)
{
    const ClickShape shape = click_shape(rate, Hz);
    const int64_t length = shape.clickLength;
    std::vector<int64_t> samples(static_cast<size_t>(length));  // all 0
    std::vector<int8_t> bytes(static_cast<size_t>(length * bytes_per_sample(bits)));
    // The generator works with the whole-number part of Hz. A non-empty
    // click has 0 < Hz <= rate (at least one sample per period), so the
    // part fits; an empty click needs none.
    const int32_t F = length > 0 ? static_cast<int32_t>(Hz) : 0;
    GEN_CLICK(samples.data(), F, shape.periodCount, shape.harmonicCount, rate, length);
    if (bits == 16)
        NUM24_TO_CHAR16(samples.data(), bytes.data(), length);
    else
        NUM24_TO_CHAR(samples.data(), bytes.data(), length);
    return Click{bytes, length};
}
