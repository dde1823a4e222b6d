/* Launches a program and prints the milliseconds until a top-level window
 * with the given title is mapped on the X display. It waits for the X
 * server's map notice instead of polling, so it takes no time from the
 * program it measures.
 *   launch_to_map TITLE PROGRAM [ARGS...]
 * The program is ended once its window is mapped. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && has_title(display, event.xmap.window, argv[1]))
            break;
    }
    printf("%.1f\n", now_ms() - start);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
