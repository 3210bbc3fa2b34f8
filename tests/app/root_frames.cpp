// Watches the X screen's root window, frame after frame, for what a program draws on it by
// inverting pixels. It paints the root window one plain colour, then reads the whole screen in
// a loop (through shared memory where the server offers it, a frame every millisecond or so)
// until it gets SIGTERM (or the time runs out) and prints, per frame that differs from the
// plain screen, how many pixels are exactly inverted and how many of those are dots (an
// inverted pixel between two untouched ones, in a row or a column); at the end the bounding box of every inverted pixel seen (when there was
// one), and how many pixels outside the mapped windows still differ from the plain screen.
//
// Usage: root_frames <ready file> [seconds]   (the ready file appears once watching begins)
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace {

constexpr std::uint32_t kPlain = 0x2F6B1D;  // a colour no window of the game shows
constexpr std::uint32_t kInverted = ~kPlain & 0xFFFFFF;
constexpr std::uint32_t Rgb(std::uint32_t pixel) {
    return pixel & 0xFFFFFF;
}

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

// Reads the whole screen: 32 bits a pixel, 0x??RRGGBB (the top byte is unused).
class Screen {
  public:
    Screen(xcb_connection_t* c, xcb_window_t root, int w, int h)
        : c_(c), root_(root), w_(w), h_(h) {
        const std::size_t bytes = static_cast<std::size_t>(w) * h * 4;
        const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
        if (!shm || !shm->present) return;
        // Marked for removal at once: it goes when both the server and we have let it go.
        const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0) return;
        void* at = shmat(id, nullptr, 0);
        shmctl(id, IPC_RMID, nullptr);
        if (reinterpret_cast<std::intptr_t>(at) == -1) return;  // shmat's failure
        const xcb_shm_seg_t seg = xcb_generate_id(c);
        const Reply<xcb_generic_error_t> error(
            xcb_request_check(c, xcb_shm_attach_checked(c, seg, static_cast<uint32_t>(id), 0)));
        if (error) {  // a server on another machine cannot see our memory
            shmdt(at);
            return;
        }
        shared_ = static_cast<const std::uint32_t*>(at);
        seg_ = seg;
    }
    // The server detaches the segment when we disconnect; it is freed once we exit.

    // The screen as it is now (valid until the next call), or an empty span when it could not
    // be read.
    std::span<const std::uint32_t> Grab() {
        const std::size_t size = static_cast<std::size_t>(w_) * h_;
        if (shared_) {
            const Reply<xcb_shm_get_image_reply_t> reply(xcb_shm_get_image_reply(
                c_,
                xcb_shm_get_image(c_, root_, 0, 0, static_cast<uint16_t>(w_),
                                  static_cast<uint16_t>(h_), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, seg_,
                                  0),
                nullptr));
            if (!reply || reply->size != size * 4) return {};
            return {shared_, size};
        }
        image_.reset(xcb_get_image_reply(
            c_,
            xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, 0, 0, static_cast<uint16_t>(w_),
                          static_cast<uint16_t>(h_), ~0u),
            nullptr));
        if (!image_ || xcb_get_image_data_length(image_.get()) != w_ * h_ * 4) return {};
        return {reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image_.get())), size};
    }

  private:
    xcb_connection_t* c_;
    xcb_window_t root_;
    int w_, h_;
    Reply<xcb_get_image_reply_t> image_;  // where the server offers no shared memory
    const std::uint32_t* shared_ = nullptr;
    xcb_shm_seg_t seg_ = 0;
};

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
    Screen screen_pixels(c, root, w, h);
    const std::span<const std::uint32_t> before = screen_pixels.Grab();
    if (before.empty() || std::any_of(before.begin(), before.end(),
                                      [](std::uint32_t p) { return Rgb(p) != kPlain; })) {
        std::fprintf(stderr, "root_frames: the root window is not plain (or not 24-bit)\n");
        return 2;
    }
    if (FILE* ready = std::fopen(argv[1], "w")) std::fclose(ready);

    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::duration<double>(seconds);
    int frames = 0, changed = 0, with_inversions = 0;
    Box inverted_anywhere;
    std::vector<std::uint32_t> last;  // the previous frame, and whether it had inverted pixels
    bool last_inverted = false;
    while (!stop && std::chrono::steady_clock::now() < deadline) {
        const std::span<const std::uint32_t> frame = screen_pixels.Grab();
        if (frame.empty()) continue;
        ++frames;
        // Most frames are the one before; only a new one is looked at pixel by pixel.
        if (std::ranges::equal(frame, last)) {
            if (last_inverted) ++with_inversions;
            continue;
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        auto inv = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h &&
                   Rgb(frame[static_cast<std::size_t>(y) * w + x]) == kInverted;
        };
        long inverted = 0, dots = 0;
        bool differs = false;
        for (int y = 0; y < h; ++y) {
            const std::uint32_t* row = frame.data() + static_cast<std::size_t>(y) * w;
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = Rgb(row[x]);
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
        if (differs) {
            ++changed;
            std::printf("frame %d at %.1f ms: %ld inverted pixels, %ld dots\n", frames, ms,
                        inverted, dots);
        }
        last_inverted = inverted > 0;
        if (last_inverted) ++with_inversions;
        last.assign(frame.begin(), frame.end());
    }

    // What is left on the screen outside the windows once the watching ends.
    const std::span<const std::uint32_t> after = screen_pixels.Grab();
    const std::vector<Box> windows = MappedWindows(c, root);
    long left_over = 0;
    for (int y = 0; y < h && !after.empty(); ++y)
        for (int x = 0; x < w; ++x) {
            if (Rgb(after[static_cast<std::size_t>(y) * w + x]) == kPlain) continue;
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
