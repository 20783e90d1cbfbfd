#include "unit/audio/tiny_module.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int CHANNELS = 4;
constexpr int ROWS_PER_PATTERN = 64;
constexpr int CELL_BYTES = 4;
constexpr int HEADER_BYTES = 1084;
constexpr int WAVE_BYTES = 64;
constexpr int FRAMES_PER_TICK = 882;  // 2.5 s / 125 BPM at 44100 Hz

const int periods[] = {428, 381, 339, 320, 285, 254, 226, 214};  // C-2 up to C-3

void put_big_endian_word(unsigned char* at, int value)
{
    at[0] = static_cast<unsigned char>(value >> 8);
    at[1] = static_cast<unsigned char>(value);
}

void put_cell(unsigned char* cell, int instrument, int period, int effect, int parameter)
{
    cell[0] = static_cast<unsigned char>((instrument & 0xF0) | ((period >> 8) & 0x0F));
    cell[1] = static_cast<unsigned char>(period);
    cell[2] = static_cast<unsigned char>(((instrument & 0x0F) << 4) | effect);
    cell[3] = static_cast<unsigned char>(parameter);
}

void write_header(unsigned char* m, int orders)
{
    std::memcpy(m, "quindle test tune", 17);
    unsigned char* instrument = m + 20;
    std::memcpy(instrument, "square", 6);
    put_big_endian_word(instrument + 22, WAVE_BYTES / 2);  // length in words
    instrument[25] = 48;                                   // volume
    put_big_endian_word(instrument + 26, 0);               // loop start
    put_big_endian_word(instrument + 28, WAVE_BYTES / 2);  // loop length: the whole wave
    for (int i = 1; i < 31; ++i)
        put_big_endian_word(m + 20 + i * 30 + 28, 1);  // empty instruments loop one word
    m[950] = static_cast<unsigned char>(orders);
    m[951] = 127;
    for (int i = 0; i < orders; ++i)
        m[952 + i] = static_cast<unsigned char>(i);
    std::memcpy(m + 1080, "M.K.", 4);
}

void write_pattern(unsigned char* pattern, int index, const module_shape& shape)
{
    for (int row = 0; row < shape.rows; ++row) {
        for (int channel = 0; channel < CHANNELS; ++channel) {
            unsigned char* cell = pattern + (row * CHANNELS + channel) * CELL_BYTES;
            const bool sounds = (row + channel + index) % (channel + 2) == 0;
            const int period = periods[(row * 3 + channel * 2 + index) % 8] * (channel % 2 + 1);
            int effect = 0, parameter = 0;
            if (row == 0 && channel == 0) {
                effect = 0xF;  // set speed
                parameter = shape.ticks_per_row;
            } else if (row == 0 && channel == 1) {
                effect = 0xF;  // set tempo
                parameter = shape.beats_per_minute;
            } else if (row == shape.rows - 1 && channel == CHANNELS - 1
                       && shape.rows < ROWS_PER_PATTERN) {
                effect = 0xD;  // pattern break to the next order's first row
            }
            put_cell(cell, sounds ? 1 : 0, sounds ? period : 0, effect, parameter);
        }
    }
}

void write_square_wave(unsigned char* wave)
{
    for (int i = 0; i < WAVE_BYTES; ++i)
        wave[i] = static_cast<unsigned char>(i < WAVE_BYTES / 2 ? 60 : -60);
}

void put_little_endian_word(unsigned char* at, int value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

// Rows of packed notes: channel 0 plays a C every fourth row, a row ends with a zero byte.
std::vector<unsigned char> packed_s3m_pattern(int rows)
{
    std::vector<unsigned char> pattern(2);
    for (int row = 0; row < 64; ++row) {
        if (row < rows && row % 4 == 0)
            pattern.insert(pattern.end(), {0x20, 0x50, 1});  // note and instrument, C-5
        if (row == rows - 1 && rows < 64)
            pattern.insert(pattern.end(), {0x80, 'C' - 'A' + 1, 0});  // pattern break
        pattern.push_back(0);
    }
    put_little_endian_word(pattern.data(), static_cast<int>(pattern.size()));
    return pattern;
}

}  // namespace

std::vector<unsigned char> make_s3m_test_module(int rows, int ticks_per_row, int beats_per_minute)
{
    constexpr int HEADER = 0x60, ORDERS = 2, INSTRUMENT_AT = 0x70, PATTERN_AT = 0xC0;
    const std::vector<unsigned char> pattern = packed_s3m_pattern(rows);
    const int wave_at = (PATTERN_AT + static_cast<int>(pattern.size()) + 15) / 16 * 16;
    std::vector<unsigned char> m(wave_at + WAVE_BYTES);

    std::memcpy(m.data(), "quindle test tune", 17);
    m[0x1C] = 0x1A;
    m[0x1D] = 16;                          // a Scream Tracker 3 module
    put_little_endian_word(&m[0x20], ORDERS);
    put_little_endian_word(&m[0x22], 1);   // instruments
    put_little_endian_word(&m[0x24], 1);   // patterns
    put_little_endian_word(&m[0x28], 0x1320);
    put_little_endian_word(&m[0x2A], 2);   // unsigned sample data
    std::memcpy(&m[0x2C], "SCRM", 4);
    m[0x30] = 64;                          // global volume
    m[0x31] = static_cast<unsigned char>(ticks_per_row);
    m[0x32] = static_cast<unsigned char>(beats_per_minute);
    m[0x33] = 0xB0;                        // stereo
    std::fill(&m[0x40], &m[0x60], 255);    // channels unused, but the first
    m[0x40] = 0;
    m[HEADER] = 0;                         // order list: the pattern, then its end
    m[HEADER + 1] = 255;
    put_little_endian_word(&m[HEADER + ORDERS], INSTRUMENT_AT / 16);
    put_little_endian_word(&m[HEADER + ORDERS + 2], PATTERN_AT / 16);

    unsigned char* instrument = &m[INSTRUMENT_AT];
    instrument[0] = 1;                     // a sample
    put_little_endian_word(instrument + 0x0E, wave_at / 16);
    put_little_endian_word(instrument + 0x10, WAVE_BYTES);  // length
    put_little_endian_word(instrument + 0x18, WAVE_BYTES);  // loop end
    instrument[0x1C] = 48;                 // volume
    instrument[0x1F] = 1;                  // looped
    put_little_endian_word(instrument + 0x20, 8363);
    std::memcpy(instrument + 0x4C, "SCRS", 4);

    std::copy(pattern.begin(), pattern.end(), m.begin() + PATTERN_AT);
    for (int i = 0; i < WAVE_BYTES; ++i)
        m[wave_at + i] = static_cast<unsigned char>(i < WAVE_BYTES / 2 ? 0x80 + 60 : 0x80 - 60);
    return m;
}

std::vector<unsigned char> make_test_module(const module_shape& shape)
{
    const int orders = std::clamp(shape.orders, 1, 64);
    const int pattern_bytes = ROWS_PER_PATTERN * CHANNELS * CELL_BYTES;
    std::vector<unsigned char> m(HEADER_BYTES + orders * pattern_bytes + WAVE_BYTES);
    write_header(m.data(), orders);
    for (int i = 0; i < orders; ++i)
        write_pattern(m.data() + HEADER_BYTES + i * pattern_bytes, i, shape);
    write_square_wave(m.data() + HEADER_BYTES + orders * pattern_bytes);
    return m;
}

long frames_of(const module_shape& shape)
{
    return static_cast<long>(shape.orders) * shape.rows * shape.ticks_per_row * FRAMES_PER_TICK;
}
