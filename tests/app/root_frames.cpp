// Watches the X screen's root window, frame after frame, for what a program draws on it by
// inverting pixels. It paints the root window one plain colour, then reads the whole screen in
// a loop until it gets SIGTERM (or the time runs out) and prints, per frame that differs from
// the plain screen, how many pixels are exactly inverted and how many of those are dots (an
// inverted pixel between two untouched ones, in a row or a column); at the end the bounding
// box of every inverted pixel seen (when there was one), and how many pixels outside the mapped
// windows still differ from the plain screen.
//
// Usage: root_frames <ready file> [seconds]   (the ready file appears once watching begins)
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr std::uint32_t kPlain = 0x2F6B1D;  // a colour no window of the game shows
constexpr std::uint32_t kInverted = ~kPlain & 0xFFFFFF;

volatile std::sig_atomic_t stop = 0;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    void Add(int x, int y) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x), bottom = std::max(bottom, y);
    }
    bool Empty() const { return right < 0; }
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

std::vector<std::uint32_t> Grab(xcb_connection_t* c, xcb_window_t root, int w, int h) {
    const Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, 0,
                                          static_cast<uint16_t>(w), static_cast<uint16_t>(h), ~0u),
                            nullptr));
    std::vector<std::uint32_t> pixels;
    if (!image || xcb_get_image_data_length(image.get()) != w * h * 4) return pixels;
    pixels.resize(static_cast<std::size_t>(w) * h);
    std::memcpy(pixels.data(), xcb_get_image_data(image.get()), pixels.size() * 4);
    for (auto& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

// The outer rectangles of the mapped top-level windows.
std::vector<Box> MappedWindows(xcb_connection_t* c, xcb_window_t root) {
    std::vector<Box> boxes;
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree) return boxes;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
        const Reply<xcb_get_geometry_reply_t> g(
            xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr));
        if (!g) continue;
        Box b;
        b.Add(g->x, g->y);
        b.Add(g->x + g->width + 2 * g->border_width - 1,
              g->y + g->height + 2 * g->border_width - 1);
        boxes.push_back(b);
    }
    return boxes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: root_frames <ready file> [seconds]\n");
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 30;
    std::signal(SIGTERM, [](int) { stop = 1; });

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "root_frames: no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t root = screen->root;
    const int w = screen->width_in_pixels, h = screen->height_in_pixels;

    const uint32_t plain = kPlain;
    xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXEL, &plain);
    xcb_clear_area(c, 0, root, 0, 0, 0, 0);
    const std::vector<std::uint32_t> before = Grab(c, root, w, h);
    if (before.empty() ||
        std::any_of(before.begin(), before.end(), [](std::uint32_t p) { return p != kPlain; })) {
        std::fprintf(stderr, "root_frames: the root window is not plain (or not 24-bit)\n");
        return 2;
    }
    if (FILE* ready = std::fopen(argv[1], "w")) std::fclose(ready);

    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::duration<double>(seconds);
    int frames = 0, changed = 0, with_inversions = 0;
    Box inverted_anywhere;
    std::vector<std::uint32_t> last;
    while (!stop && std::chrono::steady_clock::now() < deadline) {
        std::vector<std::uint32_t> frame = Grab(c, root, w, h);
        if (frame.empty()) continue;
        ++frames;
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        auto inv = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h &&
                   frame[static_cast<std::size_t>(y) * w + x] == kInverted;
        };
        long inverted = 0, dots = 0;
        bool differs = false;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = frame[static_cast<std::size_t>(y) * w + x];
                if (p == kPlain) continue;
                differs = true;
                if (p != kInverted) continue;
                ++inverted;
                inverted_anywhere.Add(x, y);
                if ((!inv(x - 1, y) && !inv(x + 1, y) && inv(x + 2, y)) ||
                    (!inv(x, y - 1) && !inv(x, y + 1) && inv(x, y + 2)))
                    ++dots;
            }
        }
        if (differs && frame != last) {
            ++changed;
            std::printf("frame %d at %.1f ms: %ld inverted pixels, %ld dots\n", frames, ms,
                        inverted, dots);
        }
        if (inverted > 0) ++with_inversions;
        last = std::move(frame);
    }

    // What is left on the screen outside the windows once the watching ends.
    const std::vector<std::uint32_t> after = Grab(c, root, w, h);
    const std::vector<Box> windows = MappedWindows(c, root);
    long left_over = 0;
    for (int y = 0; y < h && !after.empty(); ++y)
        for (int x = 0; x < w; ++x) {
            if (after[static_cast<std::size_t>(y) * w + x] == kPlain) continue;
            if (std::none_of(windows.begin(), windows.end(),
                             [&](const Box& b) { return b.Contains(x, y); }))
                ++left_over;
        }
    std::printf("frames %d, changed %d, with inverted pixels %d\n", frames, changed,
                with_inversions);
    if (!inverted_anywhere.Empty())
        std::printf("inverted box %d %d %d %d\n", inverted_anywhere.left, inverted_anywhere.top,
                    inverted_anywhere.right, inverted_anywhere.bottom);
    std::printf("left over outside %zu windows: %ld pixels\n", windows.size(), left_over);
    xcb_disconnect(c);
    return 0;
}
