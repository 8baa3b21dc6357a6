/* Looks at a window the way the X server sees it, for the end-to-end tests:
 *   xprobe pixel WINDOW X Y      prints the pixel's "R G B" (0..255)
 *   xprobe average WINDOW        prints the mean "R G B" of the whole window
 *   xprobe close WINDOW          asks the window to close, as a window manager does
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static unsigned long channel(unsigned long pixel, unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return mask ? ((pixel >> shift) & mask) * 255 / mask : 0;
}

static void printPixel(XImage* image, unsigned long pixel)
{
    printf("%lu %lu %lu\n", channel(pixel, image->red_mask), channel(pixel, image->green_mask),
           channel(pixel, image->blue_mask));
}

static int average(Display* display, Window window)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) {
        return 1;
    }
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            sum[0] += channel(pixel, image->red_mask);
            sum[1] += channel(pixel, image->green_mask);
            sum[2] += channel(pixel, image->blue_mask);
        }
    }
    double n = (double)attributes.width * attributes.height;
    printf("%.0f %.0f %.0f\n", sum[0] / n, sum[1] / n, sum[2] / n);
    XDestroyImage(image);
    return 0;
}

static int pixel(Display* display, Window window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return 1;
    }
    printPixel(image, XGetPixel(image, 0, 0));
    XDestroyImage(image);
    return 0;
}

static int requestClose(Display* display, Window window)
{
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(NULL);
    if (!display || argc < 3) {
        fprintf(stderr, "usage: xprobe pixel|average|close WINDOW [X Y] (needs a display)\n");
        return 2;
    }
    Window window = (Window)strtoul(argv[2], NULL, 0);
    int status = 2;
    if (strcmp(argv[1], "pixel") == 0 && argc == 5) {
        status = pixel(display, window, atoi(argv[3]), atoi(argv[4]));
    } else if (strcmp(argv[1], "average") == 0) {
        status = average(display, window);
    } else if (strcmp(argv[1], "close") == 0) {
        status = requestClose(display, window);
    }
    XCloseDisplay(display);
    return status;
}
