/* Start-up and exit of a real program as a user sees them, through the X server.
 *
 *   bench_startup_probe [--settle MS] [--script CMD] [--timeout S] -- PROGRAM [ARGS...]
 *
 * Starts PROGRAM and times exec to the MapNotify of its first top-level
 * window (told apart by _NET_WM_PID), reading the process's peak memory
 * (VmHWM) at that moment. It then leaves the program alone for MS
 * milliseconds (default 1000) and reads the peak again, so work done right
 * after the window shows is counted too. Then it closes the window, either as
 * a window manager's close button does (WM_DELETE_WINDOW) or by running CMD
 * with VELTO_WINDOW set to the window's id (CMD may play a deal with xdotool
 * before closing), and times the window's UnmapNotify to the process's end.
 * Prints one line:
 *   map_ms= hwm_map_kb= hwm_settled_kb= maxrss_kb= unmap_to_exit_ms= status= minflt_map= minflt_settled=
 * (unmap_to_exit_ms is -1 when the process ended before its window was unmapped),
 * followed by minflt_map= and minflt_settled=, the process's minor page faults
 * at those two moments: each is a page touched for the first time, so they
 * count the work done before the window shows in a way the clock does not.
 * Build: cc -O2 -o bench_startup_probe bench_startup_probe.c -lxcb
 */
#define _GNU_SOURCE
#include <xcb/xcb.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long peak_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long kb = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

// The minor page faults of the process so far: the tenth field of its stat
// line, counted after the command name, which may itself hold spaces.
static long minor_faults(pid_t pid)
{
    char path[64], line[1024];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long faults = -1;
    if (fgets(line, sizeof line, f)) {
        const char* p = strrchr(line, ')');
        if (p && sscanf(p + 1, " %*c %*d %*d %*d %*d %*d %*u %ld", &faults) != 1)
            faults = -1;
    }
    fclose(f);
    return faults;
}

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

static long window_pid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmPid)
{
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1), NULL);
    long pid = -1;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = *(uint32_t*)xcb_get_property_value(r);
    free(r);
    return pid;
}

static void usage(void)
{
    fprintf(stderr, "usage: bench_startup_probe [--settle MS] [--script CMD] [--timeout S] -- PROGRAM [ARGS...]\n");
    exit(2);
}

int main(int argc, char** argv)
{
    int settle = 1000, timeout = 60, i = 1;
    const char* script = NULL;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc)
            usage();
        if (!strcmp(argv[i], "--settle"))
            settle = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--script"))
            script = argv[++i];
        else if (!strcmp(argv[i], "--timeout"))
            timeout = atoi(argv[++i]);
        else
            usage();
    }
    if (i + 1 >= argc)
        usage();
    char** program = argv + i + 1;

    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "bench_startup_probe: no X display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmPid = atom(c, "_NET_WM_PID");
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(c, "WM_DELETE_WINDOW");
    xcb_flush(c);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(program[0], program);
        _exit(127);
    }
    const int pidfd = (int)syscall(SYS_pidfd_open, pid, 0);
    if (pid < 0 || pidfd < 0) {
        perror("bench_startup_probe");
        return 2;
    }

    enum { Starting, Settling, Closing } phase = Starting;
    xcb_window_t window = 0;
    double mapped = -1, unmapped = -1, exited = -1, phaseEnd = start + timeout * 1e3;
    long hwmMap = -1, hwmSettled = -1, faultsMap = -1, faultsSettled = -1;
    pid_t scriptPid = -1;
    while (exited < 0) {
        double t = now_ms();
        if (phase == Settling && t >= phaseEnd) {
            hwmSettled = peak_kb(pid);
            faultsSettled = minor_faults(pid);
            phase = Closing;
            if (script) {
                char id[32];
                snprintf(id, sizeof id, "%u", window);
                setenv("VELTO_WINDOW", id, 1);
                scriptPid = fork();
                if (scriptPid == 0) {
                    close(xcb_get_file_descriptor(c));
                    execl("/bin/sh", "sh", "-c", script, (char*)NULL);
                    _exit(127);
                }
            } else {
                xcb_client_message_event_t ev;
                memset(&ev, 0, sizeof ev);
                ev.response_type = XCB_CLIENT_MESSAGE;
                ev.format = 32;
                ev.window = window;
                ev.type = protocols;
                ev.data.data32[0] = deleteWindow;
                ev.data.data32[1] = XCB_CURRENT_TIME;
                xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char*)&ev);
                xcb_flush(c);
            }
            phaseEnd = t + timeout * 1e3;
        } else if (t >= phaseEnd && phase != Settling) {
            fprintf(stderr, "bench_startup_probe: timed out %s\n", phase == Starting ? "waiting for the window" : "waiting for the end");
            kill(pid, SIGKILL);
            return 1;
        }
        struct pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {pidfd, POLLIN, 0}};
        int wait = (int)(phaseEnd - t) + 1;
        if (poll(fds, 2, wait) < 0 && errno != EINTR)
            return 2;
        t = now_ms();
        if (fds[1].revents & POLLIN)
            exited = t;
        xcb_generic_event_t* e;
        while ((e = xcb_poll_for_event(c))) {
            const int type = e->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && phase == Starting) {
                const xcb_map_notify_event_t* m = (const xcb_map_notify_event_t*)e;
                if (!m->override_redirect && window_pid(c, m->window, netWmPid) == pid) {
                    mapped = t;
                    hwmMap = peak_kb(pid);
                    faultsMap = minor_faults(pid);
                    window = m->window;
                    phase = Settling;
                    phaseEnd = t + settle;
                }
            } else if (type == XCB_UNMAP_NOTIFY && window && unmapped < 0) {
                if (((const xcb_unmap_notify_event_t*)e)->window == window)
                    unmapped = t;
            }
            free(e);
        }
        if (xcb_connection_has_error(c))
            return 2;
    }
    struct rusage usage;
    int status = 0;
    wait4(pid, &status, 0, &usage);
    if (scriptPid > 0)
        waitpid(scriptPid, NULL, 0);
    if (mapped < 0) {
        fprintf(stderr, "bench_startup_probe: the program ended without showing a window (status %d)\n", status);
        return 1;
    }
    printf("map_ms=%.1f hwm_map_kb=%ld hwm_settled_kb=%ld maxrss_kb=%ld unmap_to_exit_ms=%.1f status=%d minflt_map=%ld minflt_settled=%ld\n",
           mapped - start, hwmMap, hwmSettled, usage.ru_maxrss, unmapped < 0 ? -1.0 : exited - unmapped,
           WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), faultsMap, faultsSettled);
    xcb_disconnect(c);
    return 0;
}
