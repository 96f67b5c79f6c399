/* Times a program's first window on the X display: its map, and its first
 * complete frame, the moment every pixel of the mapped window has been drawn
 * (DAMAGE reports, added up since the map, cover the whole window).
 *
 *   framewait [--timeout SECONDS] [--name TEXT] [--sample-at SECONDS] -- PROGRAM [ARGS...]
 *       Starts PROGRAM and prints "PID MAP_MS MAP_CPU_MS FRAME_MS FRAME_CPU_MS"
 *       once a window carrying its _NET_WM_PID (and, with --name, TEXT in its
 *       title) is mapped and fully drawn: the times from exec and the processor
 *       time of all the program's threads by then. With --sample-at, a second
 *       line "CPU_MS RSS_KB" follows: processor time and VmRSS SECONDS after
 *       exec. Then stays until the program ends and exits with its status.
 *
 *   framewait --watch PID [--timeout SECONDS] [--name TEXT]
 *       Watches a running program: prints "ready" once it listens, then
 *       "MAP_AT FRAME_AT MAP_CPU_MS FRAME_CPU_MS" when the next window of PID is
 *       mapped and drawn, the two times on CLOCK_MONOTONIC in milliseconds
 *       (Python's time.monotonic() reads the same clock), and ends.
 *
 * Times count from just before exec: the child reads the clock and hands it
 * over a close-on-exec pipe. Processor time is the process CPU clock, which
 * unlike /proc/PID/task/ * /schedstat keeps the threads that have ended.
 * Waiting on events rather than polling costs the program no processor time.
 *
 * Damage is asked for on every top-level window as it is created, before its
 * owner is known, so that no drawing between the map and our request is lost.
 * Qt windows have no background pixmap, so the server paints nothing on map:
 * the first drawing is the program's own.
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
#include <xcb/damage.h>
#include <xcb/xcb.h>

struct options
{
    double timeout_s;
    double sample_at_s; /* 0: no sample */
    const char* name;
    pid_t watch; /* 0: launch the program */
    char** program;
};

/* The window being timed and what of it has been drawn since its map. */
struct target
{
    xcb_window_t window; /* 0 until mapped */
    int width, height;
    unsigned char* drawn;
    long left; /* pixels not drawn yet */
    double map_at, map_cpu, frame_at, frame_cpu;
};

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

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

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

static int window_pid(xcb_connection_t* c, xcb_window_t w)
{
    static xcb_atom_t pid_atom;
    if (!pid_atom)
        pid_atom = atom(c, "_NET_WM_PID");
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, pid_atom, XCB_ATOM_CARDINAL, 0, 1), NULL);
    int pid = -1;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = (int)*(uint32_t*)xcb_get_property_value(r);
    free(r);
    return pid;
}

static int title_contains(xcb_connection_t* c, xcb_window_t w, const char* text)
{
    static xcb_atom_t name_atom, utf8;
    if (!name_atom) {
        name_atom = atom(c, "_NET_WM_NAME");
        utf8 = atom(c, "UTF8_STRING");
    }
    int found = 0;
    xcb_atom_t names[2] = {name_atom, XCB_ATOM_WM_NAME};
    xcb_atom_t types[2] = {utf8, XCB_ATOM_STRING};
    for (int i = 0; i < 2 && !found; ++i) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, names[i], types[i], 0, 256), NULL);
        if (r)
            found = memmem(xcb_get_property_value(r), xcb_get_property_value_length(r), text, strlen(text)) != NULL;
        free(r);
    }
    return found;
}

static void watch_damage(xcb_connection_t* c, xcb_window_t w)
{
    xcb_damage_create(c, xcb_generate_id(c), w, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
}

/* Windows that exist already: a window the program hides and shows again. */
static void watch_existing(xcb_connection_t* c, xcb_window_t root)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), NULL);
    if (!tree)
        return;
    xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
        watch_damage(c, children[i]);
    free(tree);
}

static void resize_target(struct target* t, int width, int height)
{
    free(t->drawn);
    t->width = width;
    t->height = height;
    t->drawn = calloc((size_t)width * height, 1);
    t->left = (long)width * height;
}

static void mark_drawn(struct target* t, const xcb_rectangle_t* area)
{
    const int x1 = area->x < 0 ? 0 : area->x, y1 = area->y < 0 ? 0 : area->y;
    const int x2 = area->x + area->width > t->width ? t->width : area->x + area->width;
    const int y2 = area->y + area->height > t->height ? t->height : area->y + area->height;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            unsigned char* pixel = &t->drawn[(size_t)y * t->width + x];
            t->left -= !*pixel;
            *pixel = 1;
        }
}

static void on_map(xcb_connection_t* c, xcb_map_notify_event_t* map, struct target* t, pid_t pid, const char* name)
{
    if (map->override_redirect || window_pid(c, map->window) != pid || (name && !title_contains(c, map->window, name)))
        return;
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, map->window), NULL);
    if (!g)
        return;
    t->window = map->window;
    resize_target(t, g->width, g->height);
    free(g);
}

static void on_damage(xcb_damage_notify_event_t* damage, struct target* t, double at, double cpu)
{
    if (!t->window || damage->drawable != t->window || t->frame_at >= 0)
        return;
    if (damage->geometry.width != t->width || damage->geometry.height != t->height)
        resize_target(t, damage->geometry.width, damage->geometry.height);
    mark_drawn(t, &damage->area);
    if (t->left == 0) {
        t->frame_at = at;
        t->frame_cpu = cpu;
    }
}

/* Handles the events waiting; returns 0 once the display is lost. */
static int handle_events(xcb_connection_t* c, uint8_t damage_event, struct target* t, pid_t pid, const char* name)
{
    xcb_generic_event_t* event;
    while (t->frame_at < 0 && (event = xcb_poll_for_event(c)) != NULL) {
        const double at = now_ms(), cpu = cpu_ms(pid);
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY && !((xcb_create_notify_event_t*)event)->override_redirect)
            watch_damage(c, ((xcb_create_notify_event_t*)event)->window);
        else if (type == XCB_MAP_NOTIFY && !t->window) {
            on_map(c, (xcb_map_notify_event_t*)event, t, pid, name);
            if (t->window) {
                t->map_at = at;
                t->map_cpu = cpu;
            }
        } else if (type == damage_event)
            on_damage((xcb_damage_notify_event_t*)event, t, at, cpu);
        free(event);
    }
    xcb_flush(c);
    return !xcb_connection_has_error(c);
}

static int parse(int argc, char** argv, struct options* o)
{
    *o = (struct options){30, 0, NULL, 0, NULL};
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
            o->timeout_s = atof(argv[++i]);
        else if (strcmp(argv[i], "--name") == 0 && i + 1 < argc)
            o->name = argv[++i];
        else if (strcmp(argv[i], "--sample-at") == 0 && i + 1 < argc)
            o->sample_at_s = atof(argv[++i]);
        else if (strcmp(argv[i], "--watch") == 0 && i + 1 < argc)
            o->watch = atoi(argv[++i]);
        else
            return 0;
    }
    if (o->watch)
        return i == argc;
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
        perror("framewait: exec");
        _exit(127);
    }
    close(clock_pipe[1]);
    if (child > 0 && read(clock_pipe[0], started, sizeof *started) != sizeof *started)
        child = -1;
    close(clock_pipe[0]);
    return child;
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

/* Listens to the creation and map of top-level windows and to DAMAGE; returns
 * the DAMAGE notify event's code, or 0. */
static uint8_t listen_to(xcb_connection_t* c, xcb_window_t root)
{
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present)
        return 0;
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
    return damage->first_event + XCB_DAMAGE_NOTIFY;
}

/* Waits for the map and the frame (and the sample); returns 1 when all came. */
static int wait_for_window(xcb_connection_t* c, uint8_t damage_event, const struct options* o, pid_t pid,
                           double start, struct target* t, double* sample_cpu, long* sample_rss)
{
    const int sampling = o->sample_at_s > 0;
    struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (t->frame_at < 0 || (sampling && *sample_rss < 0)) {
        if (t->frame_at < 0 && !handle_events(c, damage_event, t, pid, o->name)) {
            fprintf(stderr, "framewait: lost the display\n");
            return 0;
        }
        const double elapsed = now_ms() - start;
        if (sampling && *sample_rss < 0 && elapsed >= o->sample_at_s * 1e3) {
            *sample_cpu = cpu_ms(pid);
            *sample_rss = rss_kb(pid);
        }
        if (!o->watch && waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "framewait: %s ended before it was measured\n", o->program[0]);
            return 0;
        }
        if (o->watch && kill(pid, 0) != 0) {
            fprintf(stderr, "framewait: process %d ended\n", (int)pid);
            return 0;
        }
        if (elapsed >= o->timeout_s * 1e3) {
            fprintf(stderr, "framewait: no complete window of process %d within %.0f s\n", (int)pid, o->timeout_s);
            return 0;
        }
        /* Wake at least every 100 ms to notice a program that ended, and on time for the sample. */
        double wait = 100;
        if (sampling && *sample_rss < 0 && o->sample_at_s * 1e3 - elapsed < wait)
            wait = o->sample_at_s * 1e3 - elapsed;
        poll(&fd, t->frame_at < 0 ? 1 : 0, (int)wait + 1);
    }
    return 1;
}

static int watch(xcb_connection_t* c, xcb_window_t root, uint8_t damage_event, const struct options* o)
{
    struct target t = {0, 0, 0, NULL, 0, -1, -1, -1, -1};
    double unused_cpu = -1;
    long unused_rss = -1;
    watch_existing(c, root);
    /* A round trip: the server has our requests before we say we are ready. */
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));
    printf("ready\n");
    fflush(stdout);
    if (!wait_for_window(c, damage_event, o, o->watch, now_ms(), &t, &unused_cpu, &unused_rss))
        return 1;
    printf("%.1f %.1f %.1f %.1f\n", t.map_at, t.frame_at, t.map_cpu, t.frame_cpu);
    return 0;
}

static int run(xcb_connection_t* c, uint8_t damage_event, const struct options* o)
{
    struct target t = {0, 0, 0, NULL, 0, -1, -1, -1, -1};
    double start, sample_cpu = -1;
    long sample_rss = -1;
    xcb_flush(c);
    pid_t child = launch(c, o->program, &start);
    if (child < 0) {
        perror("framewait: cannot start the program");
        return 2;
    }
    if (!wait_for_window(c, damage_event, o, child, start, &t, &sample_cpu, &sample_rss)) {
        kill(child, SIGKILL);
        finish(child);
        return 1;
    }
    printf("%d %.1f %.1f %.1f %.1f\n", (int)child, t.map_at - start, t.map_cpu, t.frame_at - start, t.frame_cpu);
    if (o->sample_at_s > 0)
        printf("%.1f %ld\n", sample_cpu, sample_rss);
    fflush(stdout);
    xcb_disconnect(c);
    return finish(child);
}

int main(int argc, char** argv)
{
    struct options o;
    if (!parse(argc, argv, &o)) {
        fprintf(stderr, "usage: framewait [--timeout SECONDS] [--name TEXT] [--sample-at SECONDS] -- PROGRAM [ARGS...]\n"
                        "       framewait --watch PID [--timeout SECONDS] [--name TEXT]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "framewait: cannot open the display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint8_t damage_event = listen_to(c, root);
    if (!damage_event) {
        fprintf(stderr, "framewait: the display has no DAMAGE extension\n");
        return 2;
    }
    return o.watch ? watch(c, root, damage_event, &o) : run(c, damage_event, &o);
}
