/* Starts a program and reports how long it took to map its first top-level
 * window on the X display and, on request, what the process had used by a
 * given time; then stays until the program ends.
 *
 *   mapwait [--timeout SECONDS] [--name TEXT] [--sample-at SECONDS] -- PROGRAM [ARGS...]
 *
 * Prints "PID MILLISECONDS CPU_MS" on one line once a window that carries the
 * program's _NET_WM_PID (and, with --name, has TEXT in its title) is mapped:
 * the time to that map and the processor time the program had used by then.
 * On a busy machine the second is the steadier: it leaves out the time the
 * program waited for a processor.
 * With --sample-at, a second line "CPU_MS RSS_KB" follows: the processor time
 * of all the program's threads, ended ones included (nanosecond resolution),
 * and its VmRSS, both read SECONDS after exec.
 * Exits with the program's exit status once it ends.
 *
 * Every time counts from the moment just before exec: the child reads the clock
 * and hands it over a close-on-exec pipe. Waiting on MapNotify events instead
 * of polling times the map to well under a millisecond and costs no processor
 * time while the program starts.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

struct options
{
    double timeout_s;
    double sample_at_s; /* 0: no sample */
    const char* name;
    char** program;
};

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

/* Processor time of all the program's threads so far, in milliseconds: its
 * process CPU clock, the nanosecond sum the kernel keeps over every thread.
 * Summing /proc/PID/task/ * /schedstat instead would miss the threads that have
 * already ended. */
static double cpu_ms(pid_t pid)
{
    clockid_t clock;
    struct timespec ts;
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0)
        return -1;
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static long rss_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kb = -1;
    while (f && fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1)
            break;
    if (f)
        fclose(f);
    return kb;
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

static int parse(int argc, char** argv, struct options* o)
{
    *o = (struct options){30, 0, NULL, NULL};
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
            o->timeout_s = atof(argv[++i]);
        else if (strcmp(argv[i], "--name") == 0 && i + 1 < argc)
            o->name = argv[++i];
        else if (strcmp(argv[i], "--sample-at") == 0 && i + 1 < argc)
            o->sample_at_s = atof(argv[++i]);
        else
            return 0;
    }
    if (i + 1 >= argc)
        return 0;
    o->program = argv + i + 1;
    return 1;
}

/* Forks and execs the program; *started is the clock just before its exec. */
static pid_t launch(xcb_connection_t* c, char** program, double* started)
{
    int clock_pipe[2];
    if (pipe2(clock_pipe, O_CLOEXEC) < 0)
        return -1;
    pid_t child = fork();
    if (child == 0) {
        close(xcb_get_file_descriptor(c));
        /* Our standard output carries only the report lines. */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        const double now = now_ms();
        if (write(clock_pipe[1], &now, sizeof now) != sizeof now)
            _exit(127);
        execvp(program[0], program);
        perror("mapwait: exec");
        _exit(127);
    }
    close(clock_pipe[1]);
    if (child > 0 && read(clock_pipe[0], started, sizeof *started) != sizeof *started)
        child = -1;
    close(clock_pipe[0]);
    return child;
}

/* Whether this event is the map of the program's window. */
static int is_program_map(xcb_connection_t* c, xcb_generic_event_t* event, pid_t child, const char* name)
{
    static xcb_atom_t pid_atom, name_atom, utf8;
    if (!pid_atom) {
        pid_atom = atom(c, "_NET_WM_PID");
        name_atom = atom(c, "_NET_WM_NAME");
        utf8 = atom(c, "UTF8_STRING");
    }
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
        return 0;
    xcb_map_notify_event_t* map = (xcb_map_notify_event_t*)event;
    return !map->override_redirect && window_pid(c, map->window, pid_atom) == child &&
           (!name || title_contains(c, map->window, name_atom, utf8, name));
}

int main(int argc, char** argv)
{
    struct options o;
    if (!parse(argc, argv, &o)) {
        fprintf(stderr, "usage: mapwait [--timeout SECONDS] [--name TEXT] [--sample-at SECONDS] -- PROGRAM "
                        "[ARGS...]\n");
        return 2;
    }

    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));

    double start;
    pid_t child = launch(c, o.program, &start);
    if (child < 0) {
        perror("mapwait: cannot start the program");
        return 2;
    }

    double map_ms = -1, map_cpu_ms = -1, sample_cpu_ms = -1;
    long sample_rss_kb = -1;
    const int sampling = o.sample_at_s > 0;
    struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (map_ms < 0 || (sampling && sample_rss_kb < 0)) {
        xcb_generic_event_t* event;
        while (map_ms < 0 && (event = xcb_poll_for_event(c)) != NULL) {
            const double at = now_ms(), cpu_at = cpu_ms(child);
            if (is_program_map(c, event, child, o.name)) {
                map_ms = at - start;
                map_cpu_ms = cpu_at;
            }
            free(event);
        }
        const double elapsed = now_ms() - start;
        if (sampling && sample_rss_kb < 0 && elapsed >= o.sample_at_s * 1e3) {
            sample_cpu_ms = cpu_ms(child);
            sample_rss_kb = rss_kb(child);
        }
        if (xcb_connection_has_error(c)) {
            fprintf(stderr, "mapwait: lost the display\n");
            break;
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "mapwait: %s ended before it was measured\n", o.program[0]);
            return 3;
        }
        if (elapsed >= o.timeout_s * 1e3) {
            fprintf(stderr, "mapwait: no window of %s within %.0f s\n", o.program[0], o.timeout_s);
            break;
        }
        /* Wake at least every 100 ms to notice a program that ended early, and on time for the sample. */
        double wait = 100;
        if (sampling && sample_rss_kb < 0 && o.sample_at_s * 1e3 - elapsed < wait)
            wait = o.sample_at_s * 1e3 - elapsed;
        poll(&fd, map_ms < 0 ? 1 : 0, (int)wait + 1);
    }
    if (map_ms >= 0 && (!sampling || sample_rss_kb >= 0)) {
        printf("%d %.1f %.1f\n", (int)child, map_ms, map_cpu_ms);
        if (sampling)
            printf("%.1f %ld\n", sample_cpu_ms, sample_rss_kb);
        fflush(stdout);
        xcb_disconnect(c);
        return finish(child);
    }
    kill(child, SIGKILL);
    finish(child);
    return 1;
}
