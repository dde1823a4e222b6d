/* Launches a program and prints two times in milliseconds: until a top-level
 * window with the given title is viewable on the X display, and until the
 * program first draws into it. It waits for the X server's notices instead
 * of polling, so it takes no time from the program it measures. Under a
 * reparenting window manager the program's window is mapped inside a frame
 * of the manager's, and is viewable once both are mapped: the timer hears of
 * the window's own map from the window itself and of the frame's from the
 * root window.
 *   launch_to_window TITLE PROGRAM [ARGS...]
 * The program is ended once its window has been drawn. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int has_title(Display *display, Window window, const char *title)
{
    char *name = NULL;
    int same = XFetchName(display, window, &name) && name && strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return same;
}

static int is_viewable(Display *display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes)
           && attributes.map_state == IsViewable;
}

/* A window may be gone by the time it is watched: that is no failure. */
static int ignore_error(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    int damageEvent, damageError;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "no X display with the damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignore_error);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    /* Every new top-level window is watched for its own map and for drawing
     * from its creation on, so that a drawing right after the map is not
     * missed. */
    Window titled = None, shown = None;
    double mapped = 0;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && shown == None) {
            if (titled == None && has_title(display, event.xmap.window, argv[1]))
                titled = event.xmap.window;
            if (titled != None && is_viewable(display, titled)) {
                shown = titled;
                mapped = now_ms() - start;
            }
        } else if (event.type == damageEvent + XDamageNotify && shown != None
                   && ((XDamageNotifyEvent *)&event)->drawable == shown) {
            break;
        }
    }
    printf("%.1f %.1f\n", mapped, now_ms() - start);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
