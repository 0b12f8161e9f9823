/* What the same once-a-second repaint costs without any toolkit: a 600 x 460 X window made
 * with libxcb alone, whose one-second timer does nothing ("timer") or sends a 10 x 12 image
 * with PutImage and flushes ("small"), as Qt's xcb backing store does without shared memory.
 * It shows the part of repaint_floor's cost that belongs to the kernel, the event loop's
 * poll and the X connection rather than to Qt. scripts/perf/qt-floor measures both.
 *   xcb_floor [timer|small]   (default small) */
#include <xcb/xcb.h>

#include <poll.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

enum { kWidth = 600, kHeight = 460, kAreaWidth = 10, kAreaHeight = 12 };

static int64_t NowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (int64_t)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "small";
    const int paint = strcmp(mode, "small") == 0;
    if (!paint && strcmp(mode, "timer") != 0) {
        fprintf(stderr, "xcb_floor: unknown mode %s (timer or small)\n", mode);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(NULL, &screenNumber);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "xcb_floor: no X display\n");
        return 1;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    xcb_screen_t* screen = it.data;

    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, kWidth, kHeight, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        strlen("xcb_floor"), "xcb_floor");
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, window, 0, NULL);
    xcb_map_window(c, window);
    xcb_flush(c);

    /* 32-bit pixels, as a depth-24 ZPixmap of Xvfb takes them. */
    static uint32_t pixels[kAreaWidth * kAreaHeight];
    int dark = 0;
    int64_t next = NowMs() + 1000;
    const int fd = xcb_get_file_descriptor(c);
    for (;;) {
        const int64_t wait = next - NowMs();
        struct pollfd pfd = {fd, POLLIN, 0};
        if (wait > 0 && poll(&pfd, 1, (int)wait) < 0)
            return 1;
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(c)))
            free(event);
        if (xcb_connection_has_error(c))
            return 0; /* the server went away */
        if (NowMs() < next)
            continue;
        next += 1000;
        if (!paint)
            continue;
        dark = !dark; /* new pixels every time, as a changed value would bring */
        for (int i = 0; i < kAreaWidth * kAreaHeight; ++i)
            pixels[i] = dark ? 0x00000080u : 0x00008000u;
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, kAreaWidth, kAreaHeight, 20, 20,
                      0, screen->root_depth, sizeof pixels, (const uint8_t*)pixels);
        xcb_flush(c);
    }
}
