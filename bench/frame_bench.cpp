// What one whole frame of play costs on the busiest view of the last level, next to the floor
// no frame can beat: one clear of the 800 x 600 back buffer and one copy of it to the display.
// Runs with the real data file when the build has made one, and always with flat test pictures.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "audio/sound_seam.h"
#include "main/frame.h"
#include "main/loops.h"
#include "presentation/camera.h"
#include "support/fixture_assets.h"

namespace {

constexpr int LAST_LEVEL = LEVEL_COUNT - 1;

// The frame's sounds are not what is measured.
class silent_seam final : public sound_seam {
public:
    void play_sample(const SAMPLE*, int, int, int, int) override {}
    void stop_sample(const SAMPLE*) override {}
    void rest(unsigned) override {}
    void yield() override {}
    void tune_read(const void*, int) override {}
    void tune_start(int) override {}
    void tune_set_loop(int) override {}
    int tune_stop() override { return 0; }
    void tune_release() override {}
};

// Tiles that put something on the screen in the view of this camera.
int drawn_tiles_in_view(const tile_map& map, int level, int screenscroll_h)
{
    int count = 0;
    for (int row = 0; row < SCREENHEIGHT / TILE_SIZE; row++)
        for (int column = first_visible_column(screenscroll_h);
             column <= last_visible_column(screenscroll_h); column++) {
            const int code = tile_at(map, level, row, column);
            count += code != TILE_EMPTY && code != TILE_START;
        }
    return count;
}

int busiest_camera(const tile_map& map, int level)
{
    int best = 0;
    for (int camera = 0; camera >= SCREENWIDTH - STAGELENGTH; camera--)
        if (drawn_tiles_in_view(map, level, camera) > drawn_tiles_in_view(map, level, best))
            best = camera;
    return best;
}

void whole_frame(benchmark::State& state, const asset_catalogue* assets)
{
    silent_seam quiet;
    use_sound_seam(&quiet);
    auto g = std::make_unique<game>();
    g->assets = *assets;
    g->display = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
    load_layouts(g->map);
    g->run.level = LAST_LEVEL;
    timer = 6000;
    start_attempt(*g);
    const int camera = busiest_camera(g->map, LAST_LEVEL);
    g->attempt.pondrel_x = SCREENWIDTH / 2 - camera;
    g->attempt.pondrel_y = 200;
    // Every frame starts from the same pondrel, so the view stays the busiest one.
    const attempt_state placed = g->attempt;
    for (auto _ : state) {
        g->attempt = placed;
        run_frame(*g);
    }
    destroy_bitmap(g->display);
    use_sound_seam(nullptr);
}

void clear_and_copy(benchmark::State& state)
{
    BITMAP* buffer = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
    BITMAP* display = create_bitmap(SCREENWIDTH, SCREENHEIGHT);
    const int sky = makecol(46, 75, 95);
    for (auto _ : state) {
        clear_to_color(buffer, sky);
        blit(buffer, display, 0, 0, 0, 0, SCREENWIDTH, SCREENHEIGHT);
    }
    destroy_bitmap(display);
    destroy_bitmap(buffer);
}

void describe_busiest_view()
{
    auto map = std::make_unique<tile_map>();
    load_layouts(*map);
    const int camera = busiest_camera(*map, LAST_LEVEL);
    std::printf("level %d's busiest view: camera %d (pondrel_x %d), %d tiles drawn\n",
                LAST_LEVEL + 1, camera, SCREENWIDTH / 2 - camera,
                drawn_tiles_in_view(*map, LAST_LEVEL, camera));
}

// Prints each frame's time as a multiple of the floor's once the runs are done, by the wall
// clock and by processor time (the two part when other work shares the machine).
class ratio_reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the benchmark; without, its one run.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration ? runs.size() == 1 : run.aggregate_name == "median")
                times[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto floor = times.find("floor/clear_and_copy");
        if (floor == times.end())
            return;
        for (const auto& [name, time] : times)
            if (name != floor->first)
                std::printf("%s / floor = %.2f wall, %.2f processor (goal: at most 3)\n",
                            name.c_str(), time.wall / floor->second.wall,
                            time.processor / floor->second.processor);
    }

private:
    struct measured {
        double wall;
        double processor;
    };
    std::map<std::string, measured> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        return 1;
    set_color_depth(32);

    describe_busiest_view();
    fixture_assets fixture;
    benchmark::RegisterBenchmark("frame/fixture_pictures", whole_frame, &fixture.catalogue);

    asset_catalogue real;
    std::string why;
    const std::string data_file = std::string(QUINDLE_BUILD_DIR) + "/quindle.dat";
    const bool have_data = load_assets(real, data_file, why);
    if (have_data)
        benchmark::RegisterBenchmark("frame/data_file", whole_frame, &real);
    else
        std::printf("no data file measured: %s\n", why.c_str());

    benchmark::RegisterBenchmark("floor/clear_and_copy", clear_and_copy);
    ratio_reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (have_data)
        release_assets(real);
    benchmark::Shutdown();
    return 0;
}
