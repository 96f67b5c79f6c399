/* Starts a program and reports how long it took to map its first top-level
 * window on the X display, then stays until the program ends.
 *
 *   mapwait [--timeout SECONDS] [--name TEXT] -- PROGRAM [ARGS...]
 *
 * Prints "PID MILLISECONDS" on one line as soon as a window that carries the
 * program's _NET_WM_PID (and, with --name, has TEXT in its title) is mapped,
 * and exits with the program's exit status once it ends. Waiting on MapNotify
 * events instead of polling times the map to well under a millisecond and
 * costs no processor time while the program starts.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

static int window_pid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t pid_atom)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, pid_atom, XCB_ATOM_CARDINAL, 0, 1), NULL);
    int pid = -1;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = (int)*(uint32_t*)xcb_get_property_value(r);
    free(r);
    return pid;
}

static int title_contains(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name_atom, xcb_atom_t utf8, const char* text)
{
    int found = 0;
    xcb_atom_t names[2] = {name_atom, XCB_ATOM_WM_NAME};
    xcb_atom_t types[2] = {utf8, XCB_ATOM_STRING};
    for (int i = 0; i < 2 && !found; ++i) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, names[i], types[i], 0, 256), NULL);
        if (r) {
            int length = xcb_get_property_value_length(r);
            found = memmem(xcb_get_property_value(r), length, text, strlen(text)) != NULL;
        }
        free(r);
    }
    return found;
}

static int finish(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

int main(int argc, char** argv)
{
    double timeout_s = 30;
    const char* name = NULL;
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
            timeout_s = atof(argv[++i]);
        else if (strcmp(argv[i], "--name") == 0 && i + 1 < argc)
            name = argv[++i];
        else {
            fprintf(stderr, "usage: mapwait [--timeout SECONDS] [--name TEXT] -- PROGRAM [ARGS...]\n");
            return 2;
        }
    }
    if (i + 1 >= argc) {
        fprintf(stderr, "mapwait: no program given\n");
        return 2;
    }
    char** program = argv + i + 1;

    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
    xcb_atom_t pid_atom = atom(c, "_NET_WM_PID");
    xcb_atom_t name_atom = atom(c, "_NET_WM_NAME");
    xcb_atom_t utf8 = atom(c, "UTF8_STRING");

    const double start = now_ms();
    pid_t child = fork();
    if (child < 0) {
        perror("mapwait: fork");
        return 2;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(c));
        /* Our standard output carries only the report line. */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(program[0], program);
        perror("mapwait: exec");
        _exit(127);
    }

    struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(c)) != NULL) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                xcb_map_notify_event_t* map = (xcb_map_notify_event_t*)event;
                const double mapped = now_ms();
                if (!map->override_redirect && window_pid(c, map->window, pid_atom) == child &&
                    (!name || title_contains(c, map->window, name_atom, utf8, name))) {
                    printf("%d %.1f\n", (int)child, mapped - start);
                    fflush(stdout);
                    free(event);
                    xcb_disconnect(c);
                    return finish(child);
                }
            }
            free(event);
        }
        if (xcb_connection_has_error(c)) {
            fprintf(stderr, "mapwait: lost the display\n");
            break;
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "mapwait: %s ended before mapping a window\n", program[0]);
            return 3;
        }
        const double left = timeout_s * 1e3 - (now_ms() - start);
        if (left <= 0) {
            fprintf(stderr, "mapwait: no window of %s within %.0f s\n", program[0], timeout_s);
            break;
        }
        /* Wake at least every 100 ms to notice a program that ended early. */
        poll(&fd, 1, left < 100 ? (int)left + 1 : 100);
    }
    kill(child, SIGKILL);
    finish(child);
    return 1;
}
