// Tunes rendered ahead into Allegro samples: a tracker module read from memory is rendered by
// libopenmpt once through (16-bit stereo, unsigned as Allegro wants it), its first quarter second
// at once and the rest by the library's own worker thread. The last two tunes read are kept,
// so a tune read again (after a death, or after the pause) is ready at once and its positions
// stay exact.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct SAMPLE;
namespace openmpt {
class module;
}

struct rendered_tune {
    rendered_tune();
    ~rendered_tune();
    rendered_tune(const rendered_tune&) = delete;
    rendered_tune& operator=(const rendered_tune&) = delete;

    std::vector<unsigned char> bytes;  // our own copy of the module: the key, and what is rendered
    std::unique_ptr<openmpt::module> module;  // dropped once every frame is rendered
    // Exactly one pass of the tune, on memory of our own: a tune no longer kept is freed by the
    // worker, off the game's thread, with no Allegro call.
    std::unique_ptr<SAMPLE> sample;
    std::unique_ptr<std::uint16_t[]> data;
    long frames = 0;
    std::atomic<long> rendered{0};            // frames [0, rendered) are final
};

class tune_library {
public:
    explicit tune_library(int samples_per_second);
    ~tune_library();  // stops and joins the worker, then frees every tune
    tune_library(const tune_library&) = delete;
    tune_library& operator=(const tune_library&) = delete;

    // The tune held in `bytes`, the kept one if it was read before. Null when the bytes hold
    // no module that plays. The tune returned is rendered first; it stays valid until two
    // other tunes have been read since.
    rendered_tune* read(const void* bytes, std::size_t size);

    // Returns once frames [0, until) of `tune` are rendered (`until` is capped at its length).
    void wait_rendered(rendered_tune& tune, long until);

    // Tunes are cut here: Allegro's mixer crashes on voice positions at or past 2^23 frames.
    long longest_tune_frames() const { return 180L * rate; }
    long head_frames() const { return rate / 4; }

private:
    rendered_tune* find_kept(const void* bytes, std::size_t size);
    std::unique_ptr<rendered_tune> load(const void* bytes, std::size_t size);
    void keep(std::unique_ptr<rendered_tune> tune);
    void render_chunk(rendered_tune& tune, long frames);
    rendered_tune* next_to_render();
    void free_retired(std::unique_lock<std::mutex>& hold);
    void work();

    const int rate;
    std::mutex lock;
    std::condition_variable progress;  // the worker rendered a chunk, or has work, or must stop
    std::vector<std::unique_ptr<rendered_tune>> kept;  // least recently read first
    std::vector<std::unique_ptr<rendered_tune>> retired;  // no longer kept, for the worker to free
    bool stopping = false;
    std::thread worker;
};
