/* raceprobe: a play's key press to the first screen change on both sides of
 * a network race, each side in an X server of its own.
 *
 * Finds the main window of each side (top level, named "Velto", 572 px wide:
 * the boxes share the name but are narrower) and watches it and its children
 * with XDamage. For each press it first waits until neither window has been
 * damaged for QUIET ms (events that came before are dropped) and reads both
 * windows' pixels, then presses a key with XTest on display A and records
 * the time to the first damage report of A's window ("own": the player's own
 * screen) and of B's ("other": the other player's screen) whose rectangle
 * then holds other pixels than before the press, each within WINDOW ms. A
 * report of a repaint that drew the same pixels again is no change to see:
 * it is passed over, and the first report of any kind is kept beside
 * ("any"). A press that changes nothing on B in that time is counted apart;
 * a card that fits no centre pile is simply not played. A change of B after
 * the window of such a press, before the next one, is counted as "late", so
 * that a slow change is not mistaken for no change.
 *
 * Presses are only meaningful while the race runs, so the probe stops early:
 *   exit 0  TARGET presses changed the other screen
 *   exit 3  a box (start box, play-again question, news) shows on either side
 *   exit 4  STUCK presses in a row changed nothing on A: no card of A fits,
 *           and only the other side's play can change that
 *   exit 5  the windows never became quiet (something repaints by itself)
 * so a run drives a race in chunks, answering boxes and swapping sides in
 * between. Each press appends "own other late own_last other_last own_any
 * other_any" to OUT, in ms from the key, -1 for none (the last: the last
 * damage report before the screens were still again, the end of the
 * change's painting and of any flight);
 * with IDLE > 0 the damage reports of an untouched race over IDLE ms are
 * measured first and appended as "idle ms reports_a reports_b".
 *
 * usage: raceprobe DISPLAY_A DISPLAY_B TARGET QUIET_MS WINDOW_MS IDLE_MS STUCK OUT KEYS...
 *        (KEYS: keysym names, pressed in turn, e.g. 1 2 3 4)
 *        raceprobe -s OUT...   totals of one or more OUT files:
 *        presses= changed= none= own_only= late= own and other p50/p90/p99/max, the same
 *        of own_last and other_last, how often a same-pixel repaint came first, idle
 * build: gcc -O2 -o raceprobe raceprobe.c -lX11 -lXdamage -lXtst
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <time.h>

#define MAIN_WIDTH 572

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

typedef struct {
    const char* label;
    Display* d;
    int fd;
    int damage_event;
    Window main;
    int width, height;
    int mapped; /* a top-level window was mapped since the last look */
    XImage* before; /* the window as it was before the press */
    int looking;    /* for the first report whose pixels differ from before */
    double seen;    /* when that report came in, or -1 */
} Side;

static int is_velto(Display* d, Window w, int* width)
{
    char* n = NULL;
    int eq = 0;
    if (XFetchName(d, w, &n) && n) {
        eq = strcmp(n, "Velto") == 0;
        XFree(n);
    }
    if (!eq)
        return 0;
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable)
        return 0;
    *width = a.width;
    return 1;
}

/* Walks the tree for visible windows named "Velto": the main one (by its
 * width) into *main, and whether any other one (a box) shows. */
static void scan(Display* d, Window w, Window* main, int* box)
{
    int width;
    if (is_velto(d, w, &width)) {
        if (width == MAIN_WIDTH && !*main)
            *main = w;
        else if (width != MAIN_WIDTH)
            *box = 1;
    }
    Window r, p, *kids = NULL;
    unsigned nk = 0;
    if (!XQueryTree(d, w, &r, &p, &kids, &nk))
        return;
    for (unsigned i = 0; i < nk; ++i)
        scan(d, kids[i], main, box);
    if (kids)
        XFree(kids);
}

static int box_shows(Side* s)
{
    Window main = 0;
    int box = 0;
    scan(s->d, DefaultRootWindow(s->d), &main, &box);
    s->mapped = 0;
    return box;
}

static void watch_tree(Display* d, Window w)
{
    XDamageCreate(d, w, XDamageReportRawRectangles);
    Window r, p, *kids = NULL;
    unsigned nk = 0;
    if (!XQueryTree(d, w, &r, &p, &kids, &nk))
        return;
    for (unsigned i = 0; i < nk; ++i)
        watch_tree(d, kids[i]);
    if (kids)
        XFree(kids);
}

static int open_side(Side* s, const char* name, const char* label)
{
    s->label = label;
    s->d = XOpenDisplay(name);
    if (!s->d) {
        printf("cannot open display %s\n", name);
        return 0;
    }
    int err;
    if (!XDamageQueryExtension(s->d, &s->damage_event, &err)) {
        printf("no DAMAGE on %s\n", name);
        return 0;
    }
    s->fd = ConnectionNumber(s->d);
    int box = 0;
    scan(s->d, DefaultRootWindow(s->d), &s->main, &box);
    if (!s->main) {
        printf("no main window on %s\n", name);
        return 0;
    }
    XWindowAttributes wa;
    XGetWindowAttributes(s->d, s->main, &wa);
    s->width = wa.width;
    s->height = wa.height;
    watch_tree(s->d, s->main);
    /* A box that comes up later is a new top-level window: its map says so. */
    XSelectInput(s->d, DefaultRootWindow(s->d), SubstructureNotifyMask);
    XSync(s->d, False);
    return 1;
}

/* Whether the rectangle of a damage report shows other pixels now than
 * before the press. A repaint that draws what was there already (a widget
 * repainted without a change) is reported by XDamage all the same, but it
 * is no change the player could see. */
static int differs(Side* s, const XDamageNotifyEvent* e)
{
    int x = e->area.x, y = e->area.y;
    if (e->drawable != s->main) {
        Window child;
        if (!XTranslateCoordinates(s->d, e->drawable, s->main, x, y, &x, &y, &child))
            return 1;
    }
    int w = e->area.width, h = e->area.height;
    if (x < 0)
        w += x, x = 0;
    if (y < 0)
        h += y, y = 0;
    if (x + w > s->width)
        w = s->width - x;
    if (y + h > s->height)
        h = s->height - y;
    if (w <= 0 || h <= 0)
        return 0;
    XImage* now = XGetImage(s->d, s->main, x, y, (unsigned)w, (unsigned)h, AllPlanes, ZPixmap);
    if (!now)
        return 1;
    /* Row by row (the check delays the reading of the reports after it);
     * a row that differs is looked at by pixel, whose unused top byte of a
     * 24-bit screen does not count. */
    const int fast = now->bits_per_pixel == 32 && s->before->bits_per_pixel == 32;
    int diff = 0;
    for (int j = 0; j < h && !diff; ++j) {
        if (fast && memcmp(now->data + j * now->bytes_per_line,
                           s->before->data + (y + j) * s->before->bytes_per_line + x * 4, (size_t)w * 4) == 0)
            continue;
        for (int i = 0; i < w && !diff; ++i)
            diff = ((XGetPixel(now, i, j) ^ XGetPixel(s->before, x + i, y + j)) & 0xFFFFFF) != 0;
    }
    XDestroyImage(now);
    return diff;
}

/* Reads what has arrived on a side: returns the number of damage reports,
 * and notes a mapped window and the first report that changed pixels. */
static int pump(Side* s)
{
    int n = 0;
    while (XPending(s->d)) {
        XEvent e;
        XNextEvent(s->d, &e);
        if (e.type == s->damage_event + XDamageNotify) {
            ++n;
            if (s->looking) {
                const double t = now_ms();
                if (!s->before || differs(s, (XDamageNotifyEvent*)&e)) {
                    s->looking = 0;
                    s->seen = t;
                }
            }
        } else if (e.type == MapNotify && e.xmap.window != s->main) {
            s->mapped = 1;
        }
    }
    return n;
}

/* The window as it is now, to tell a change from a repaint of the same. */
static void look(Side* s)
{
    if (s->before)
        XDestroyImage(s->before);
    s->before = XGetImage(s->d, s->main, 0, 0, (unsigned)s->width, (unsigned)s->height, AllPlanes, ZPixmap);
    s->looking = 1;
    s->seen = -1;
}

/* Waits until either side has something to read, at most ms. */
static void wait_either(Side* a, Side* b, double ms)
{
    if (ms <= 0)
        return;
    if (XPending(a->d) || XPending(b->d))
        return;
    fd_set set;
    FD_ZERO(&set);
    FD_SET(a->fd, &set);
    FD_SET(b->fd, &set);
    struct timeval tv = {(long)(ms / 1000), (long)((ms - 1000 * (long)(ms / 1000)) * 1000)};
    int top = a->fd > b->fd ? a->fd : b->fd;
    while (select(top + 1, &set, 0, 0, &tv) < 0 && errno == EINTR) {
    }
}

/* One press: times from the key to the first and the last damage report of
 * A's window (own) and B's (other), and to a change of B after the window of
 * a press that changed nothing there in time (late); -1 for none. */
typedef struct {
    int open;
    double t0, own, other, late, own_last, other_last, own_any, other_any;
} Press;

static void write_press(FILE* out, const Press* p)
{
    fprintf(out, "%.3f %.3f %.3f %.3f %.3f %.3f %.3f\n", p->own, p->other, p->late, p->own_last, p->other_last,
            p->own_any, p->other_any);
    fflush(out);
}

/* Waits until neither window has been damaged for QUIET ms (at most 5 s:
 * returns 0 then). What comes meanwhile is the last press's: its last
 * frames, or a late change of B (B is still being looked at). */
static int settle(Side* a, Side* b, Press* p, double quiet, int* late)
{
    double calm = now_ms();
    const double gave_up = calm + 5000;
    for (;;) {
        const double t = now_ms();
        if (t - calm >= quiet)
            return 1;
        if (t > gave_up)
            return 0;
        wait_either(a, b, quiet - (t - calm));
        const int ra = pump(a), rb = pump(b);
        if (!ra && !rb)
            continue;
        calm = now_ms();
        if (!p->open)
            continue;
        const double since = calm - p->t0;
        if (ra && p->own_any >= 0)
            p->own_last = since;
        if (rb && p->other_any >= 0)
            p->other_last = since;
        if (p->other < 0 && p->late < 0 && b->seen >= 0) {
            p->late = b->seen - p->t0;
            ++*late;
        }
    }
}

static int cmp(const void* x, const void* y)
{
    double p = *(const double*)x, q = *(const double*)y;
    return (p > q) - (p < q);
}

static void print_stats(const char* what, double* v, int n)
{
    qsort(v, n, sizeof *v, cmp);
#define Q(q) (n ? v[(int)((n - 1) * (q))] : -1)
    printf(" %s_p50_ms=%.2f %s_p90_ms=%.2f %s_p99_ms=%.2f %s_max_ms=%.2f", what, Q(0.5), what, Q(0.9), what, Q(0.99),
           what, n ? v[n - 1] : -1.0);
#undef Q
}

static int summary(int argc, char** argv)
{
    int cap = 1024, n = 0, presses = 0, none = 0, own_only = 0, late = 0, no = 0;
    double *own = malloc(cap * sizeof *own), *other = malloc(cap * sizeof *other);
    double *own_last = malloc(cap * sizeof *own), *other_last = malloc(cap * sizeof *other);
    int nol = 0, nbl = 0, own_same = 0, other_same = 0;
    double idle_ms = 0, idle_a = 0, idle_b = 0;
    for (int f = 0; f < argc; ++f) {
        FILE* in = fopen(argv[f], "r");
        if (!in) {
            perror(argv[f]);
            return 1;
        }
        char line[256];
        while (fgets(line, sizeof line, in)) {
            double x, y, z, ol = -1, bl = -1, oa = -1, ba = -1;
            if (sscanf(line, "idle %lf %lf %lf", &x, &y, &z) == 3) {
                idle_ms += x, idle_a += y, idle_b += z;
                continue;
            }
            if (sscanf(line, "%lf %lf %lf %lf %lf %lf %lf", &x, &y, &z, &ol, &bl, &oa, &ba) < 3)
                continue;
            if (oa >= 0 && (x < 0 || oa < x))
                ++own_same;
            if (ba >= 0 && (y < 0 || ba < y))
                ++other_same;
            if (presses == cap) {
                cap *= 2;
                own = realloc(own, cap * sizeof *own);
                other = realloc(other, cap * sizeof *other);
                own_last = realloc(own_last, cap * sizeof *own_last);
                other_last = realloc(other_last, cap * sizeof *other_last);
            }
            if (ol >= 0)
                own_last[nol++] = ol;
            if (bl >= 0)
                other_last[nbl++] = bl;
            ++presses;
            if (x >= 0)
                own[no++] = x;
            if (y >= 0)
                other[n++] = y;
            else {
                ++none;
                if (x >= 0)
                    ++own_only;
            }
            if (z >= 0)
                ++late;
        }
        fclose(in);
    }
    printf("presses=%d changed=%d none=%d own_only=%d late=%d", presses, n, none, own_only, late);
    print_stats("own", own, no);
    print_stats("other", other, n);
    print_stats("own_last", own_last, nol);
    print_stats("other_last", other_last, nbl);
    printf(" own_same_first=%d other_same_first=%d", own_same, other_same);
    printf(" idle_s=%.1f idle_reports_a=%.0f idle_reports_b=%.0f\n", idle_ms / 1000, idle_a, idle_b);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc >= 3 && strcmp(argv[1], "-s") == 0)
        return summary(argc - 2, argv + 2);
    if (argc < 10) {
        fprintf(stderr, "usage: raceprobe DISPLAY_A DISPLAY_B TARGET QUIET_MS WINDOW_MS IDLE_MS STUCK OUT KEYS...\n"
                        "       raceprobe -s OUT...\n");
        return 2;
    }
    const int target = atoi(argv[3]), stuck = atoi(argv[7]);
    const double quiet = atof(argv[4]), win = atof(argv[5]), idle = atof(argv[6]);
    FILE* out = fopen(argv[8], "a");
    if (!out) {
        perror(argv[8]);
        return 2;
    }
    Side a = {0}, b = {0};
    if (!open_side(&a, argv[1], "A") || !open_side(&b, argv[2], "B"))
        return 1;
    const int nkeys = argc - 9;
    KeyCode* codes = calloc(nkeys, sizeof *codes);
    for (int i = 0; i < nkeys; ++i)
        codes[i] = XKeysymToKeycode(a.d, XStringToKeysym(argv[9 + i]));
    /* Keys go where the X focus is; without a window manager nobody else
     * moves it, but a box that has just closed may have had it. */
    XSetInputFocus(a.d, a.main, RevertToParent, CurrentTime);
    XSync(a.d, False);

    int presses = 0, changed = 0, none = 0, late = 0, in_row = 0, status = 0, key = 0;
    double* own = calloc(target + 1024, sizeof *own);
    double* other = calloc(target + 1024, sizeof *other);
    int nown = 0, nother = 0, cap = target + 1024;
    Press last = {0};

    if (box_shows(&a) || box_shows(&b)) {
        status = 3;
        goto done;
    }
    if (idle > 0) {
        pump(&a);
        pump(&b);
        int ra = 0, rb = 0;
        const double end = now_ms() + idle;
        for (double left; (left = end - now_ms()) > 0;) {
            wait_either(&a, &b, left);
            ra += pump(&a);
            rb += pump(&b);
        }
        fprintf(out, "idle %.0f %d %d\n", idle, ra, rb);
        printf("idle %.0f ms: %d damage reports on A, %d on B\n", idle, ra, rb);
    }

    while (changed < target) {
        /* Quiet first: the trailing frames of the last press, or anything
         * that repaints by itself, must not be taken for this press's. */
        if (!settle(&a, &b, &last, quiet, &late)) {
            status = 5;
            goto done;
        }
        if (last.open) {
            write_press(out, &last);
            last.open = 0;
        }
        if ((a.mapped || b.mapped) && (box_shows(&a) | box_shows(&b))) {
            status = 3;
            goto done;
        }

        Press p = {.open = 1, .own = -1, .other = -1, .late = -1, .own_last = -1, .other_last = -1,
                   .own_any = -1, .other_any = -1};
        look(&a);
        look(&b);
        p.t0 = now_ms();
        XTestFakeKeyEvent(a.d, codes[key], True, 0);
        XTestFakeKeyEvent(a.d, codes[key], False, 0);
        XFlush(a.d);
        key = (key + 1) % nkeys;
        while (a.looking || b.looking) {
            const double left = p.t0 + win - now_ms();
            if (left <= 0)
                break;
            wait_either(&a, &b, left);
            const int ra = pump(&a), rb = pump(&b);
            const double t = now_ms() - p.t0;
            if (ra) {
                if (p.own_any < 0)
                    p.own_any = t;
                p.own_last = t;
            }
            if (rb) {
                if (p.other_any < 0)
                    p.other_any = t;
                p.other_last = t;
            }
        }
        if (a.seen >= 0)
            p.own = a.seen - p.t0;
        if (b.seen >= 0)
            p.other = b.seen - p.t0;
        /* A change of A after the window is not looked for; one of B is
         * "late" (settle). */
        a.looking = 0;
        ++presses;
        if (p.own >= 0 && nown < cap)
            own[nown++] = p.own;
        if (p.other >= 0) {
            ++changed;
            if (nother < cap)
                other[nother++] = p.other;
        } else {
            ++none;
        }
        last = p;
        in_row = p.own < 0 && p.other < 0 ? in_row + 1 : 0;
        if (stuck > 0 && in_row >= stuck) {
            status = 4;
            break;
        }
    }
done:
    if (last.open) {
        settle(&a, &b, &last, quiet, &late);
        write_press(out, &last);
    }
    printf("%s presses=%d changed=%d none=%d late=%d", status == 0 ? "done" : status == 3 ? "box" : status == 4 ? "stuck" : "noisy",
           presses, changed, none, late);
    print_stats("own", own, nown);
    print_stats("other", other, nother);
    printf("\n");
    fclose(out);
    return status;
}
