/* Looks at a window the way the X server sees it, for the end-to-end tests:
 *   xprobe pixel WINDOW X Y      prints the pixel's "R G B" (0..255)
 *   xprobe average WINDOW [X Y W H]  prints the mean "R G B" of the window or a region
 *   xprobe save WINDOW FILE      writes what the window shows as a binary PPM
 *   xprobe diff A B [X Y W H [BX BY BW BH]]
 *                                prints how many pixels of two saved PPMs differ
 *                                by more than 24 in some channel (in the region;
 *                                with a region of B, from its pixel at the same
 *                                relative place, so a scaled picture compares),
 *                                then the centre "X Y" in A of those pixels (-1 -1 if none)
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

struct Region {
    int x, y, w, h;
};

static struct Region regionArgs(int argc, char** argv, int first, int w, int h)
{
    struct Region region = {0, 0, w, h};
    if (argc >= first + 4) {
        region.x = atoi(argv[first]);
        region.y = atoi(argv[first + 1]);
        region.w = atoi(argv[first + 2]);
        region.h = atoi(argv[first + 3]);
    }
    return region;
}

static struct Region regionOf(Display* display, Window window, int argc, char** argv, int first)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    return regionArgs(argc, argv, first, attributes.width, attributes.height);
}

static int average(Display* display, Window window, struct Region region)
{
    XImage* image = XGetImage(display, window, region.x, region.y, region.w, region.h, AllPlanes, ZPixmap);
    if (!image) {
        return 1;
    }
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < region.h; ++y) {
        for (int x = 0; x < region.w; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            sum[0] += channel(pixel, image->red_mask);
            sum[1] += channel(pixel, image->green_mask);
            sum[2] += channel(pixel, image->blue_mask);
        }
    }
    double n = (double)region.w * region.h;
    printf("%.0f %.0f %.0f\n", sum[0] / n, sum[1] / n, sum[2] / n);
    XDestroyImage(image);
    return 0;
}

static int save(Display* display, Window window, const char* path)
{
    struct Region region = regionOf(display, window, 0, NULL, 0);
    XImage* image = XGetImage(display, window, 0, 0, region.w, region.h, AllPlanes, ZPixmap);
    FILE* out = fopen(path, "wb");
    if (!image || !out) {
        return 1;
    }
    fprintf(out, "P6\n%d %d\n255\n", region.w, region.h);
    for (int y = 0; y < region.h; ++y) {
        for (int x = 0; x < region.w; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            fputc((int)channel(pixel, image->red_mask), out);
            fputc((int)channel(pixel, image->green_mask), out);
            fputc((int)channel(pixel, image->blue_mask), out);
        }
    }
    fclose(out);
    XDestroyImage(image);
    return 0;
}

static unsigned char* loadPpm(const char* path, int* width, int* height)
{
    FILE* in = fopen(path, "rb");
    if (!in || fscanf(in, "P6 %d %d 255", width, height) != 2) {
        return NULL;
    }
    fgetc(in);
    size_t size = (size_t)*width * *height * 3;
    unsigned char* pixels = malloc(size);
    if (fread(pixels, 1, size, in) != size) {
        free(pixels);
        pixels = NULL;
    }
    fclose(in);
    return pixels;
}

/* Each pixel of A's region is compared with the pixel at the same relative
 * place in B's region, which is A's own region unless it is given. */
static int diff(int argc, char** argv)
{
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    unsigned char* a = loadPpm(argv[2], &w1, &h1);
    unsigned char* b = loadPpm(argv[3], &w2, &h2);
    struct Region region = regionArgs(argc, argv, 4, w1, h1);
    struct Region other = argc >= 12 ? regionArgs(argc, argv, 8, w2, h2) : region;
    if (!a || !b || (argc < 12 && (w1 != w2 || h1 != h2)) || region.w <= 0 || region.h <= 0 ||
        other.x < 0 || other.y < 0 || other.x + other.w > w2 || other.y + other.h > h2) {
        return 1;
    }
    long differing = 0, sumX = 0, sumY = 0;
    for (int y = region.y; y < region.y + region.h && y < h1; ++y) {
        for (int x = region.x; x < region.x + region.w && x < w1; ++x) {
            const int bx = other.x + (int)((2L * (x - region.x) + 1) * other.w / (2L * region.w));
            const int by = other.y + (int)((2L * (y - region.y) + 1) * other.h / (2L * region.h));
            const unsigned char* p = a + ((size_t)y * w1 + x) * 3;
            const unsigned char* q = b + ((size_t)by * w2 + bx) * 3;
            if (abs(p[0] - q[0]) > 24 || abs(p[1] - q[1]) > 24 || abs(p[2] - q[2]) > 24) {
                ++differing;
                sumX += x;
                sumY += y;
            }
        }
    }
    printf("%ld %ld %ld\n", differing, differing ? sumX / differing : -1, differing ? sumY / differing : -1);
    free(a);
    free(b);
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
    if (argc >= 4 && strcmp(argv[1], "diff") == 0) {
        return diff(argc, argv);
    }
    Display* display = XOpenDisplay(NULL);
    if (!display || argc < 3) {
        fprintf(stderr, "usage: xprobe pixel|average|save|close WINDOW [X Y] (needs a display)\n");
        return 2;
    }
    Window window = (Window)strtoul(argv[2], NULL, 0);
    int status = 2;
    if (strcmp(argv[1], "pixel") == 0 && argc == 5) {
        status = pixel(display, window, atoi(argv[3]), atoi(argv[4]));
    } else if (strcmp(argv[1], "average") == 0) {
        status = average(display, window, regionOf(display, window, argc, argv, 3));
    } else if (strcmp(argv[1], "save") == 0 && argc == 4) {
        status = save(display, window, argv[3]);
    } else if (strcmp(argv[1], "close") == 0) {
        status = requestClose(display, window);
    }
    XCloseDisplay(display);
    return status;
}
