// xprobe: times X events from outside a program, as a user's screen sees them.
// The benchmark's probe, built with it (target xprobe); by hand:
//   cc -O2 -o xprobe xprobe.c -lX11 -lXdamage -lXtst   (Debian: libx11-dev libxdamage-dev libxtst-dev)
// Run under an X server (Xvfb) with DISPLAY set.
//  xprobe start [-v] -- prog args : fork/exec prog; print ms from just before fork to the first
//        MapNotify of a top-level window and to the first Damage on a mapped top-level window;
//        then kill the program and print its peak RSS (ru_maxrss, kB) at that moment.
//  xprobe click WIN X Y N GAPMS : N times: XTest button-1 press+release at root (X,Y), time
//        to the first Damage on window WIN (and its area), then wait until WIN is quiet for GAPMS.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <signal.h>
#include <poll.h>
#include <sys/wait.h>
#include <sys/resource.h>

static double now_ms(void) { struct timespec t; clock_gettime(CLOCK_MONOTONIC, &t); return t.tv_sec * 1e3 + t.tv_nsec / 1e6; }

// Waits for the next event up to timeout ms; returns 1 with the event, 0 on timeout.
static int next_event(Display *d, XEvent *ev, double timeout_ms)
{
    double end = now_ms() + timeout_ms;
    for (;;) {
        if (XPending(d)) { XNextEvent(d, ev); return 1; }
        double left = end - now_ms();
        if (left <= 0) return 0;
        struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, (int)(left + 1));
    }
}

static int ignore_errors(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

int main(int argc, char **argv)
{
    XSetErrorHandler(ignore_errors);
    Display *d = XOpenDisplay(NULL);
    if (!d) { fprintf(stderr, "no display\n"); return 1; }
    int dev, derr;
    if (!XDamageQueryExtension(d, &dev, &derr)) { fprintf(stderr, "no DAMAGE\n"); return 1; }
    Window root = DefaultRootWindow(d);
    if (argc > 2 && !strcmp(argv[1], "start")) {
        int verbose = 0, i = 2;
        if (!strcmp(argv[i], "-v")) { verbose = 1; ++i; }
        if (!strcmp(argv[i], "--")) ++i;
        XSelectInput(d, root, SubstructureNotifyMask);
        XSync(d, False);
        double t0 = now_ms();
        pid_t pid = fork();
        if (pid == 0) { execvp(argv[i], argv + i); _exit(127); }
        Window mapped[64]; int nmapped = 0;
        double tmap = -1, tdamage = -1; XEvent ev;
        double stop = -1;
        while (next_event(d, &ev, 20000)) {
            double t = now_ms() - t0;
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root) {
                XDamageCreate(d, ev.xcreatewindow.window, XDamageReportRawRectangles);
                if (verbose) fprintf(stderr, "%8.2f create 0x%lx %dx%d\n", t, ev.xcreatewindow.window, ev.xcreatewindow.width, ev.xcreatewindow.height);
            } else if (ev.type == MapNotify && ev.xmap.event == root) {
                if (nmapped < 64) mapped[nmapped++] = ev.xmap.window;
                if (tmap < 0) tmap = t;
                if (verbose) fprintf(stderr, "%8.2f map 0x%lx\n", t, ev.xmap.window);
            } else if (ev.type == dev + XDamageNotify) {
                XDamageNotifyEvent *de = (XDamageNotifyEvent *)&ev;
                int ismapped = 0;
                for (int k = 0; k < nmapped; ++k) if (mapped[k] == de->drawable) ismapped = 1;
                if (verbose) fprintf(stderr, "%8.2f damage 0x%lx %d,%d %dx%d mapped=%d\n", t, de->drawable, de->area.x, de->area.y, de->area.width, de->area.height, ismapped);
                if (ismapped && tdamage < 0) { tdamage = t; stop = t + (verbose ? 300 : 0);
                    if (verbose) {
                        XWindowAttributes wa; XGetWindowAttributes(d, de->drawable, &wa);
                        XImage *im = XGetImage(d, de->drawable, 0, 0, wa.width, wa.height, AllPlanes, ZPixmap);
                        unsigned long first = XGetPixel(im, 0, 0); long differ = 0;
                        for (int yy = 0; yy < wa.height; ++yy) for (int xx = 0; xx < wa.width; ++xx) if (XGetPixel(im, xx, yy) != first) ++differ;
                        fprintf(stderr, "   at first damage: %ld of %d pixels differ from pixel (0,0)=%06lx\n", differ, wa.width * wa.height, first);
                        XDestroyImage(im);
                    }
                }
            }
            if (stop >= 0 && t >= stop) break;
            if (stop >= 0 && verbose) continue;
        }
        if (verbose && stop >= 0) { while (next_event(d, &ev, stop - (now_ms() - t0))) {} }
        kill(pid, SIGKILL);
        int status; struct rusage ru; wait4(pid, &status, 0, &ru);
        printf("map_ms %.2f paint_ms %.2f maxrss_kB %ld\n", tmap, tdamage, ru.ru_maxrss);
        return tdamage < 0;
    }
    if (argc == 7 && !strcmp(argv[1], "click")) {
        Window w = strtoul(argv[2], NULL, 0);
        int x = atoi(argv[3]), y = atoi(argv[4]), n = atoi(argv[5]);
        double gap = atof(argv[6]);
        XDamageCreate(d, w, XDamageReportRawRectangles);
        XSync(d, False);
        XEvent ev;
        XTestFakeMotionEvent(d, -1, x, y, 0);
        XSync(d, False);
        while (next_event(d, &ev, gap)) {}
        for (int k = 0; k < n; ++k) {
            double t0 = now_ms();
            XTestFakeButtonEvent(d, 1, True, 0);
            XTestFakeButtonEvent(d, 1, False, 0);
            XFlush(d);
            double t1 = -1; int area = 0, events = 0;
            while (next_event(d, &ev, t1 < 0 ? 5000 : gap)) {
                if (ev.type == dev + XDamageNotify) {
                    XDamageNotifyEvent *de = (XDamageNotifyEvent *)&ev;
                    if (t1 < 0) { t1 = now_ms() - t0; area = de->area.width * de->area.height; }
                    ++events;
                }
            }
            printf("click %d ms %.3f first_area %d events %d\n", k, t1, area, events);
            fflush(stdout);
        }
        return 0;
    }
    if (argc == 10 && !strcmp(argv[1], "click2")) {
        // click2 WA XA YA WB XB YB N GAPMS: A and B in turn, N clicks each.
        Window w[2] = {strtoul(argv[2], NULL, 0), strtoul(argv[5], NULL, 0)};
        int xs[2] = {atoi(argv[3]), atoi(argv[6])}, ys[2] = {atoi(argv[4]), atoi(argv[7])};
        int n = atoi(argv[8]); double gap = atof(argv[9]);
        XDamageCreate(d, w[0], XDamageReportRawRectangles);
        XDamageCreate(d, w[1], XDamageReportRawRectangles);
        XSync(d, False);
        XEvent ev;
        for (int k = 0; k < 2 * n; ++k) {
            int s = k % 2;
            XTestFakeMotionEvent(d, -1, xs[s], ys[s], 0);
            XSync(d, False);
            while (next_event(d, &ev, gap)) {}
            double t0 = now_ms();
            XTestFakeButtonEvent(d, 1, True, 0);
            XTestFakeButtonEvent(d, 1, False, 0);
            XFlush(d);
            double t1 = -1; int area = 0, events = 0;
            while (next_event(d, &ev, t1 < 0 ? 5000 : gap)) {
                if (ev.type == dev + XDamageNotify) {
                    XDamageNotifyEvent *de = (XDamageNotifyEvent *)&ev;
                    if (de->drawable != w[s]) continue;
                    if (getenv("XPROBE_ALL")) fprintf(stderr, "  %s +%.3f ms %d,%d %dx%d\n", s ? "B" : "A", now_ms() - t0, de->area.x, de->area.y, de->area.width, de->area.height);
                    if (t1 < 0) { t1 = now_ms() - t0; area = de->area.width * de->area.height; }
                    ++events;
                }
            }
            printf("%s %d ms %.3f first_area %d events %d\n", s ? "B" : "A", k / 2, t1, area, events);
            fflush(stdout);
        }
        return 0;
    }
    if (argc == 4 && !strcmp(argv[1], "clickmap")) {
        // clickmap X Y: click at (X,Y); time to the first Damage on a top-level window mapped after the click.
        int x = atoi(argv[2]), y = atoi(argv[3]);
        XSelectInput(d, root, SubstructureNotifyMask);
        XTestFakeMotionEvent(d, -1, x, y, 0);
        XSync(d, False);
        XEvent ev;
        while (next_event(d, &ev, 200)) {}
        double t0 = now_ms();
        XTestFakeButtonEvent(d, 1, True, 0);
        XTestFakeButtonEvent(d, 1, False, 0);
        XFlush(d);
        Window created[64]; int ncreated = 0; Window mapped = 0;
        double tmap = -1, tdamage = -1;
        while (tdamage < 0 && next_event(d, &ev, 5000)) {
            double t = now_ms() - t0;
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root) {
                XDamageCreate(d, ev.xcreatewindow.window, XDamageReportRawRectangles);
                if (ncreated < 64) created[ncreated++] = ev.xcreatewindow.window;
            } else if (ev.type == MapNotify && ev.xmap.event == root && !mapped) {
                mapped = ev.xmap.window; tmap = t;
                int known = 0;
                for (int k = 0; k < ncreated; ++k) if (created[k] == mapped) known = 1;
                if (!known) XDamageCreate(d, mapped, XDamageReportRawRectangles);
            } else if (ev.type == dev + XDamageNotify && mapped && ((XDamageNotifyEvent *)&ev)->drawable == mapped) {
                tdamage = t;
            }
        }
        printf("map_ms %.3f paint_ms %.3f\n", tmap, tdamage);
        return tdamage < 0;
    }
    if (argc == 7 && !strcmp(argv[1], "clickboth")) {
        Window w1 = strtoul(argv[2], NULL, 0), w2 = strtoul(argv[3], NULL, 0);
        int x = atoi(argv[4]), y = atoi(argv[5]), n = atoi(argv[6]);
        XDamageCreate(d, w1, XDamageReportRawRectangles); XDamageCreate(d, w2, XDamageReportRawRectangles);
        XTestFakeMotionEvent(d, -1, x, y, 0); XSync(d, False);
        XEvent ev;
        for (int k = 0; k < n; ++k) {
            while (next_event(d, &ev, 300)) {}
            double t0 = now_ms();
            XTestFakeButtonEvent(d, 1, True, 0); XTestFakeButtonEvent(d, 1, False, 0); XFlush(d);
            while (next_event(d, &ev, 200)) {
                if (ev.type == dev + XDamageNotify) {
                    XDamageNotifyEvent *de = (XDamageNotifyEvent *)&ev;
                    printf("%d %s +%.3f %d,%d %dx%d\n", k, de->drawable == w1 ? "main" : "curve", now_ms() - t0, de->area.x, de->area.y, de->area.width, de->area.height);
                }
            }
        }
        return 0;
    }
    fprintf(stderr, "usage: xprobe start [-v] -- PROGRAM ARGS | xprobe click WIN X Y N GAPMS (see the header)\n");
    return 2;
}
