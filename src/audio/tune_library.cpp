#include "audio/tune_library.h"

#include <allegro.h>

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <sstream>
#include <string>

namespace {

constexpr long CHUNK_FRAMES = 4096;  // about a tenth of a second: the worker's unit of work
constexpr std::size_t KEPT_TUNES = 2;

// Plays once to the end, and stops there without a fade, so one pass is exactly the sample.
const std::map<std::string, std::string> render_settings = {
    {"play.at_end", "stop"},
    {"load.skip_subsongs_init", "1"},
};

std::unique_ptr<openmpt::module> open_module(const std::vector<unsigned char>& bytes)
{
    std::ostringstream quiet_log;
    try {
        auto module = std::make_unique<openmpt::module>(bytes.data(), bytes.size(), quiet_log,
                                                        render_settings);
        module->ctl_set_integer("dither", 0);  // the same bytes always give the same sound
        return module;
    } catch (const openmpt::exception&) {
        return nullptr;
    }
}

// Allegro's 16-bit sample data is unsigned; libopenmpt renders signed.
void make_unsigned(std::uint16_t* data, long values)
{
    for (long i = 0; i < values; ++i)
        data[i] ^= 0x8000;
}

std::uint16_t* frame_data(rendered_tune& tune, long frame)
{
    return tune.data.get() + 2 * frame;
}

}  // namespace

rendered_tune::rendered_tune() = default;

rendered_tune::~rendered_tune() = default;

tune_library::tune_library(int samples_per_second)
    : rate(samples_per_second), worker([this] { work(); })
{
}

tune_library::~tune_library()
{
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    progress.notify_all();
    worker.join();
}

rendered_tune* tune_library::read(const void* bytes, std::size_t size)
{
    if (rendered_tune* tune = find_kept(bytes, size))
        return tune;
    std::unique_ptr<rendered_tune> tune = load(bytes, size);
    if (!tune)
        return nullptr;
    render_chunk(*tune, head_frames());
    rendered_tune* loaded = tune.get();
    keep(std::move(tune));
    return loaded;
}

rendered_tune* tune_library::find_kept(const void* bytes, std::size_t size)
{
    std::lock_guard<std::mutex> hold(lock);
    const auto same = std::find_if(kept.begin(), kept.end(), [&](const auto& tune) {
        return tune->bytes.size() == size && std::memcmp(tune->bytes.data(), bytes, size) == 0;
    });
    if (same == kept.end())
        return nullptr;
    std::rotate(same, same + 1, kept.end());  // now the most recently read, rendered first
    return kept.back().get();
}

std::unique_ptr<rendered_tune> tune_library::load(const void* bytes, std::size_t size)
{
    auto tune = std::make_unique<rendered_tune>();
    const auto* first = static_cast<const unsigned char*>(bytes);
    tune->bytes.assign(first, first + size);
    tune->module = open_module(tune->bytes);
    if (!tune->module)
        return nullptr;
    // Reckoned at the rate it renders at: libopenmpt's own default rate rounds ticks
    // differently, and a length off by a few hundred frames would leave a gap at each repeat.
    std::int16_t nothing[2];
    tune->module->read_interleaved_stereo(rate, 0, nothing);
    const double seconds = tune->module->get_duration_seconds();
    if (!(seconds > 0))
        return nullptr;
    tune->frames = std::lround(std::min(seconds * rate, double(longest_tune_frames())));
    // Left unfilled: the pages are touched as the tune is rendered, not all at once here.
    tune->data.reset(new std::uint16_t[2 * tune->frames]);
    tune->sample = std::make_unique<SAMPLE>(SAMPLE{
        16, TRUE, rate, 128, static_cast<unsigned long>(tune->frames), 0,
        static_cast<unsigned long>(tune->frames), static_cast<unsigned long>(-1), tune->data.get()});
    return tune;
}

void tune_library::keep(std::unique_ptr<rendered_tune> tune)
{
    {
        std::lock_guard<std::mutex> hold(lock);
        kept.push_back(std::move(tune));
        while (kept.size() > KEPT_TUNES) {
            retired.push_back(std::move(kept.front()));
            kept.erase(kept.begin());
        }
    }
    progress.notify_all();
}

void tune_library::render_chunk(rendered_tune& tune, long frames)
{
    const long from = tune.rendered.load(std::memory_order_relaxed);
    const long count = std::min(frames, tune.frames - from);
    auto* out = reinterpret_cast<std::int16_t*>(frame_data(tune, from));
    const long got = static_cast<long>(tune.module->read_interleaved_stereo(rate, count, out));
    // A module that ends a few frames before its reckoned length ends in silence.
    std::fill(out + 2 * got, out + 2 * count, std::int16_t{0});
    make_unsigned(frame_data(tune, from), 2 * count);
    const long done = got < count ? tune.frames : from + count;
    if (done > from + count)
        std::fill(frame_data(tune, from + count), frame_data(tune, done), std::uint16_t{0x8000});
    if (done == tune.frames)
        tune.module.reset();
    tune.rendered.store(done, std::memory_order_release);
}

void tune_library::wait_rendered(rendered_tune& tune, long until)
{
    until = std::min(until, tune.frames);
    std::unique_lock<std::mutex> hold(lock);
    progress.wait(hold, [&] { return tune.rendered.load(std::memory_order_acquire) >= until; });
}

rendered_tune* tune_library::next_to_render()
{
    for (auto tune = kept.rbegin(); tune != kept.rend(); ++tune)
        if ((*tune)->rendered.load(std::memory_order_relaxed) < (*tune)->frames)
            return tune->get();
    return nullptr;
}

// Freeing a rendered minute costs the better part of a millisecond: done here, not in a read.
void tune_library::free_retired(std::unique_lock<std::mutex>& hold)
{
    if (retired.empty())
        return;
    std::vector<std::unique_ptr<rendered_tune>> dropped = std::move(retired);
    retired.clear();
    hold.unlock();
    dropped.clear();
    hold.lock();
}

void tune_library::work()
{
    std::unique_lock<std::mutex> hold(lock);
    while (!stopping) {
        free_retired(hold);
        rendered_tune* tune = next_to_render();
        if (!tune) {
            progress.wait(hold);
            continue;
        }
        hold.unlock();
        render_chunk(*tune, CHUNK_FRAMES);
        hold.lock();
        progress.notify_all();
    }
}
