// Records what the X server's clients draw as rectangles on the root window, through the X
// RECORD extension: the server hands over each request as it takes it, so nothing is missed
// however short the drawing and however busy the machine. For every PolyRectangle on the root
// window it prints one line per rectangle, in the order the server took them:
//
//     rectangle <function> <line style> <dashes> <x> <y> <width> <height>
//
// with the raster function, the line style and the dash list of the graphics context as its
// client made and set them (11-bit X numbers: 10 is GXinvert, 1 LineOnOffDash; "-" where unset).
// It runs until SIGTERM or until the time is up; each line is written out at once.
//
// Usage: root_drawing <ready file> [seconds]   (the ready file appears once recording runs)
#include <unistd.h>
#include <xcb/record.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr std::uint8_t kCreateGc = 55;
constexpr std::uint8_t kChangeGc = 56;
constexpr std::uint8_t kSetDashes = 58;
constexpr std::uint8_t kPolyRectangle = 67;
constexpr std::uint8_t kFromClient = 1;
constexpr std::uint8_t kStartOfData = 4;

struct GraphicsContext {
    std::string function = "-";
    std::string line_style = "-";
    std::string dashes = "-";
};

std::uint16_t U16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// The values of a CreateGC or ChangeGC come one word each, in the order of the mask's bits:
// the function is bit 0, the line style bit 5.
void TakeValues(GraphicsContext& gc, std::uint32_t mask, const std::uint8_t* values,
                const std::uint8_t* end) {
    for (int bit = 0; bit < 23 && values + 4 <= end; ++bit) {
        if (!(mask & (1u << bit))) continue;
        if (bit == 0) gc.function = std::to_string(U32(values));
        if (bit == 5) gc.line_style = std::to_string(U32(values));
        values += 4;
    }
}

class Recorder {
  public:
    explicit Recorder(xcb_window_t root) : root_(root) {}

    // One request of a client, as the server took it (its own byte order, here the machine's).
    void Take(const std::uint8_t* request, const std::uint8_t* end) {
        switch (request[0]) {
            case kCreateGc:
                if (end - request >= 16)
                    TakeValues(contexts_[U32(request + 4)] = {}, U32(request + 12), request + 16,
                               end);
                break;
            case kChangeGc:
                if (end - request >= 12)
                    TakeValues(contexts_[U32(request + 4)], U32(request + 8), request + 12, end);
                break;
            case kSetDashes:
                if (end - request >= 12) {
                    std::string dashes;
                    for (int i = 0; i < U16(request + 10) && request + 12 + i < end; ++i)
                        dashes += (i ? "," : "") + std::to_string(request[12 + i]);
                    contexts_[U32(request + 4)].dashes = dashes;
                }
                break;
            case kPolyRectangle:
                if (end - request >= 12 && U32(request + 4) == root_) {
                    const GraphicsContext& gc = contexts_[U32(request + 8)];
                    for (const std::uint8_t* r = request + 12; r + 8 <= end; r += 8)
                        std::printf("rectangle %s %s %s %d %d %u %u\n", gc.function.c_str(),
                                    gc.line_style.c_str(), gc.dashes.c_str(), std::int16_t(U16(r)),
                                    std::int16_t(U16(r + 2)), U16(r + 4), U16(r + 6));
                    std::fflush(stdout);
                }
                break;
        }
    }

  private:
    xcb_window_t root_;
    std::map<std::uint32_t, GraphicsContext> contexts_;  // by id; ids of different clients differ
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: root_drawing <ready file> [seconds]\n");
        return 2;
    }
    alarm(argc > 2 ? unsigned(std::atoi(argv[2])) : 60);  // its default action ends the program

    // RECORD takes two connections: one to set the context up, one that the data comes on.
    xcb_connection_t* control = xcb_connect(nullptr, nullptr);
    xcb_connection_t* data = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(control) || xcb_connection_has_error(data)) {
        std::fprintf(stderr, "root_drawing: no X server\n");
        return 1;
    }
    const xcb_query_extension_reply_t* record = xcb_get_extension_data(control, &xcb_record_id);
    if (!record || !record->present) {
        std::fprintf(stderr, "root_drawing: the X server has no RECORD extension\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(control)).data->root;

    const xcb_record_context_t context = xcb_generate_id(control);
    xcb_record_range_t range;
    std::memset(&range, 0, sizeof range);
    range.core_requests.first = kCreateGc;
    range.core_requests.last = kPolyRectangle;
    const xcb_record_client_spec_t clients = XCB_RECORD_CS_ALL_CLIENTS;
    if (xcb_generic_error_t* error = xcb_request_check(
            control,
            xcb_record_create_context_checked(control, context, 0, 1, 1, &clients, &range))) {
        std::fprintf(stderr, "root_drawing: the recording context was refused (%d)\n",
                     error->error_code);
        std::free(error);
        return 1;
    }

    Recorder recorder(root);
    const xcb_record_enable_context_cookie_t cookie = xcb_record_enable_context(data, context);
    // The one request has many replies: one at the start, then one per batch of requests taken.
    while (xcb_record_enable_context_reply_t* reply =
               xcb_record_enable_context_reply(data, cookie, nullptr)) {
        if (reply->category == kStartOfData) {
            if (std::FILE* ready = std::fopen(argv[1], "w")) std::fclose(ready);
        } else if (reply->category == kFromClient && !reply->client_swapped) {
            const std::uint8_t* request = xcb_record_enable_context_data(reply);
            const std::uint8_t* end = request + xcb_record_enable_context_data_length(reply);
            while (request + 4 <= end) {
                std::uint32_t words = U16(request + 2);
                const bool big = words == 0;  // its length follows in a word of its own
                if (big) words = request + 8 <= end ? U32(request + 4) : 1;
                const std::uint8_t* next = request + 4 * std::uint64_t(words ? words : 1);
                if (!big) recorder.Take(request, next < end ? next : end);  // none of ours is big
                request = next;
            }
        }
        std::free(reply);
    }
    return 0;
}
