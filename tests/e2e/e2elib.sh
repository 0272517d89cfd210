# Shared steps of the end-to-end runs: a private virtual X server, a private
# copy of the program with its own Data folder, and xdotool to find, focus
# and answer its windows. Sourced by the run scripts; not run on its own.
#
# Every wait polls with a deadline. A step that misses its deadline fails the
# run loudly: which step, the program's visible windows with their titles and
# sizes, the end of the program's output, and a screenshot of the whole
# screen in the output folder.
#
# There is no window manager, so the X input focus only moves when someone
# sets it. The program's boxes and dialogs take it when they show; the run
# still focuses the window it types into, every time, and never focuses the
# main window while a box is open (keys sent there would be lost).
#
# shellcheck disable=SC2034 # the run scripts read the E2E_ results

E2E_NAME=""       # the run's name, used for file names in the output folder
E2E_OUT=""        # output folder (screenshots, logs of a failed run)
E2E_TMP=""        # private temporary folder, removed at the end
E2E_APP=""        # the program's folder: velto and Data/
E2E_XPID=""       # the virtual X server
E2E_PID=""        # the program
E2E_XEVPID=""     # the watcher of top-level windows
E2E_MAIN=""       # the program's main window
E2E_FOUND=""      # the window the last wait found
E2E_STATUS=""     # the program's exit status once it has ended
E2E_STEP="setting up"

# A sanitized build reports leaks at exit; third-party ones are known, as in
# the unit tests (ctest sets the same; this is for running a script by hand).
E2E_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$E2E_SOURCE/../lsan.supp}

# The runs find windows and menus by their English texts: whatever the
# machine's locale, the program speaks English here.
export LC_ALL=C.UTF-8
unset LANGUAGE

# Scale every deadline for slow machines: E2E_SLOWDOWN=2 doubles them.
E2E_SLOWDOWN=${E2E_SLOWDOWN:-1}

E2E_SCREEN_WIDTH=1024  # the virtual X server's screen
E2E_SCREEN_HEIGHT=768
MainClientWidth=572   # the main window is exactly as wide as the table
MainClientHeight=448  # and as high as the menu bar above the table and the table
SplashWidth=291
SplashHeight=109

e2e_log() { printf '[%s %5ds] %s\n' "$E2E_NAME" "$SECONDS" "$*"; }

e2e_step()
{
    E2E_STEP=$*
    e2e_log "$E2E_STEP"
}

e2e_deadline() { echo $((SECONDS + $1 * E2E_SLOWDOWN)); }

# e2e_begin NAME VELTO OUTDIR: checks the tools, makes the private folders
# and the program's copy. Exits with 77 (skipped) when the X server or
# xdotool is missing.
e2e_begin()
{
    E2E_NAME=$1
    local velto=$2
    E2E_OUT=$3
    local tool
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
            exit 77
        fi
    done
    [ -x "$velto" ] || { echo "FAIL: no program at $velto"; exit 1; }
    # Reading the screen needs ImageMagick, watching the windows x11-utils.
    for tool in import:imagemagick xev:x11-utils xprop:x11-utils; do
        if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
            echo "FAIL: ${tool%%:*} (${tool#*:}) is not installed; scripts/deps.sh installs it"
            exit 1
        fi
    done
    mkdir -p "$E2E_OUT"
    rm -f "$E2E_OUT/$E2E_NAME"-failure.*
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velto-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    # Interrupted, the run still cleans up, even when its output has gone.
    trap 'trap "" PIPE; e2e_fail "interrupted"' INT TERM
    E2E_APP=$E2E_TMP/app
    mkdir -p "$E2E_APP/Data" "$E2E_TMP/home" "$E2E_TMP/runtime"
    chmod 700 "$E2E_TMP/runtime"
    cp "$velto" "$E2E_APP/velto"
}

e2e_cleanup()
{
    trap - EXIT INT TERM
    local pid
    for pid in "$E2E_PID" "$E2E_XEVPID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    if [ -n "$E2E_XPID" ] && kill -0 "$E2E_XPID" 2>/dev/null; then
        kill "$E2E_XPID" 2>/dev/null
        wait "$E2E_XPID" 2>/dev/null
    fi
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}

# e2e_start_x: a fresh server on a display number it picks itself.
e2e_start_x()
{
    e2e_step "starting the virtual X server"
    local fdfile=$E2E_TMP/display
    : >"$fdfile"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" -nolisten tcp -noreset \
        3>"$fdfile" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XPID=$!
    local deadline number=""
    deadline=$(e2e_deadline 30)
    while [ "$SECONDS" -le "$deadline" ]; do
        number=$(head -n 1 "$fdfile" 2>/dev/null)
        [ -n "$number" ] && break
        kill -0 "$E2E_XPID" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$number" ]; then
        cat "$E2E_TMP/xvfb.log" >&2
        E2E_XPID=""
        e2e_fail "the X server did not start"
    fi
    export DISPLAY=":$number"
    e2e_log "DISPLAY=$DISPLAY"
}

# e2e_watch_windows: from now on, the creation, mapping and destruction of
# every top-level window goes to a log, so a window shown too briefly for a
# poll to see it is still known (e2e_window_events). Returns once the
# watcher demonstrably listens: it has seen a mark set on the root window.
e2e_watch_windows()
{
    e2e_step "watching the top-level windows"
    local log=$E2E_TMP/windows.log deadline
    stdbuf -oL xev -root -event substructure -event property >"$log" 2>&1 &
    E2E_XEVPID=$!
    deadline=$(e2e_deadline 20)
    while [ "$SECONDS" -le "$deadline" ]; do
        xprop -root -f _VELTO_E2E_MARK 8s -set _VELTO_E2E_MARK listening 2>/dev/null
        grep -q '_VELTO_E2E_MARK' "$log" && return 0
        kill -0 "$E2E_XEVPID" 2>/dev/null || break
        sleep 0.1
    done
    e2e_fail "the window watcher (xev) does not listen"
}

# e2e_window_events: what the watcher saw, in order, one event a line:
# "Create ID WIDTHxHEIGHT", "Map ID", "Unmap ID", "Destroy ID", with the
# window ids in hexadecimal as 0x600006.
e2e_window_events()
{
    awk '
        /^[A-Z][A-Za-z]*Notify event/ { type = $1; sub(/Notify$/, "", type); next }
        type != "" && match($0, /window 0x[0-9a-f]+/) {
            id = substr($0, RSTART + 7, RLENGTH - 7)
            if (type == "Create") {
                w = $0; sub(/.*width /, "", w); sub(/[^0-9].*/, "", w)
                h = $0; sub(/.*height /, "", h); sub(/[^0-9].*/, "", h)
                print type, id, w "x" h
            } else if (type == "Map" || type == "Unmap" || type == "Destroy") {
                print type, id
            }
            type = ""
        }' "$E2E_TMP/windows.log"
}

# e2e_check_splash shown|none: with "shown", a splash window was mapped and
# gone again before the main window was mapped; with "none", no window of
# the splash's size was ever made.
e2e_check_splash()
{
    local want=$1 events main splashes id line
    events=$(e2e_window_events)
    main=$(printf '0x%x' "$E2E_MAIN")
    splashes=$(awk -v size="${SplashWidth}x${SplashHeight}" '$1 == "Create" && $3 == size { print $2 }' <<<"$events")
    if [ "$want" = none ]; then
        [ -z "$splashes" ] || e2e_fail "a splash window was made: $splashes"
        return 0
    fi
    # Line numbers in the event order; the main window's map must come last.
    local mainMap
    mainMap=$(grep -nx "Map $main" <<<"$events" | head -n 1 | cut -d: -f1)
    [ -n "$mainMap" ] || e2e_fail "the watcher did not see the main window $main mapped"
    for id in $splashes; do
        line=$(grep -nx "Map $id" <<<"$events" | head -n 1 | cut -d: -f1)
        if [ -z "$line" ] || [ "$line" -gt "$mainMap" ]; then
            continue
        fi
        line=$(grep -nxE "(Unmap|Destroy) $id" <<<"$events" | head -n 1 | cut -d: -f1)
        if [ -n "$line" ] && [ "$line" -lt "$mainMap" ]; then
            e2e_log "splash window $id shown and gone before the main window"
            return 0
        fi
    done
    e2e_fail "no splash window was shown and gone before the main window showed; the windows seen:
$events"
}

# e2e_write_config LINES...: the program's Data/Config.INI, one line each.
e2e_write_config()
{
    printf '%s\n' "$@" >"$E2E_APP/Data/Config.INI"
}

e2e_config() { echo "$E2E_APP/Data/Config.INI"; }

# e2e_start_app: runs the copy on the private display, with nothing of the
# user's own folders and no browser for a stray Help item to start.
e2e_start_app()
{
    e2e_step "starting the program"
    (
        cd "$E2E_TMP" || exit 1
        exec env QT_QPA_PLATFORM=xcb HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime" \
            XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_DATA_HOME="$E2E_TMP/home/.local/share" \
            XDG_CACHE_HOME="$E2E_TMP/home/.cache" BROWSER=false NO_AT_BRIDGE=1 \
            "$E2E_APP/velto"
    ) >"$E2E_TMP/app.log" 2>&1 &
    E2E_PID=$!
}

e2e_alive() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }

# The program's windows that are on screen, one id a line.
e2e_windows()
{
    xdotool search --onlyvisible --pid "$E2E_PID" --name '.' 2>/dev/null
}

e2e_title() { xdotool getwindowname "$1" 2>/dev/null; }

# e2e_size WID: "WIDTHxHEIGHT"; e2e_geometry WID: "WIDTHxHEIGHT+X+Y".
e2e_geometry()
{
    local WIDTH="" HEIGHT="" X="" Y=""
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(WIDTH|HEIGHT|X|Y)=-?[0-9]+$')"
    echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

e2e_size()
{
    local geometry
    geometry=$(e2e_geometry "$1")
    echo "${geometry%%+*}"
}

# e2e_check_centred WID: the window's middle is the screen's, within a pixel
# or two (an odd size has no middle pixel). Without a window manager there
# is no frame, so the window's geometry is all there is to place.
e2e_check_centred()
{
    local geometry size width height x y dx dy
    geometry=$(e2e_geometry "$1")
    size=${geometry%%+*}
    width=${size%x*}
    height=${size#*x}
    x=${geometry#*+}
    y=${x#*+}
    x=${x%%+*}
    if [ -z "$width" ] || [ -z "$height" ] || [ -z "$x" ] || [ -z "$y" ]; then
        e2e_fail "cannot read the geometry of window $1 (\"$geometry\")"
    fi
    # Twice the distance of the middles, so that half a pixel counts.
    dx=$((2 * x + width - E2E_SCREEN_WIDTH))
    dy=$((2 * y + height - E2E_SCREEN_HEIGHT))
    if [ "${dx#-}" -gt 4 ] || [ "${dy#-}" -gt 4 ]; then
        e2e_fail "window $1 (\"$(e2e_title "$1")\") $geometry is not centred on the ${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT} screen: its middle is $((dx / 2)), $((dy / 2)) pixels off"
    fi
    e2e_log "window $1 (\"$(e2e_title "$1")\") $geometry is centred"
}

e2e_list_windows()
{
    local w any=""
    echo "visible windows of the program:"
    for w in $(e2e_windows); do
        any=1
        local role=""
        [ "$w" = "$E2E_MAIN" ] && role=" (the main window)"
        printf '  %s "%s" %s%s\n' "$w" "$(e2e_title "$w")" "$(e2e_geometry "$w")" "$role"
    done
    [ -n "$any" ] || echo "  (none)"
}

# e2e_fail MESSAGE: says which step failed and shows what was on screen.
e2e_fail()
{
    trap - INT TERM
    echo "FAIL [$E2E_NAME] step \"$E2E_STEP\": $*"
    if [ -n "${DISPLAY:-}" ] && [ -n "$E2E_XPID" ] && kill -0 "$E2E_XPID" 2>/dev/null; then
        if e2e_alive; then
            e2e_list_windows
        else
            echo "the program is not running"
        fi
        local shot=$E2E_OUT/$E2E_NAME-failure.png
        if command -v import >/dev/null 2>&1 && import -window root "$shot" 2>/dev/null; then
            echo "screenshot: $shot"
        else
            echo "no screenshot (ImageMagick's import is missing or failed)"
        fi
    fi
    if [ -n "$E2E_TMP" ] && [ -f "$E2E_TMP/app.log" ]; then
        cp "$E2E_TMP/app.log" "$E2E_OUT/$E2E_NAME-failure.log"
        echo "the program's output ($E2E_OUT/$E2E_NAME-failure.log), last lines:"
        tail -n 40 "$E2E_TMP/app.log" | sed 's/^/  | /'
    fi
    if [ -n "$E2E_APP" ] && [ -f "$E2E_APP/Data/Config.INI" ]; then
        cp "$E2E_APP/Data/Config.INI" "$E2E_OUT/$E2E_NAME-failure.ini"
    fi
    exit 1
}

# Fails at once when the program has gone, instead of at the deadline.
e2e_check_alive()
{
    e2e_alive && return 0
    wait "$E2E_PID" 2>/dev/null
    local status=$?
    E2E_PID=""
    e2e_fail "the program ended unexpectedly (exit status $status)"
}

# e2e_wait_main SECONDS: the main window, told from the splash by its width.
e2e_wait_main()
{
    e2e_step "waiting for the main window"
    local deadline w size
    deadline=$(e2e_deadline "$1")
    while [ "$SECONDS" -le "$deadline" ]; do
        e2e_check_alive
        for w in $(e2e_windows); do
            size=$(e2e_size "$w")
            if [ "${size%x*}" = "$MainClientWidth" ] && [ "$(e2e_title "$w")" = "Velto" ]; then
                E2E_MAIN=$w
                e2e_log "main window $w, $size"
                e2e_check_centred "$w"
                return 0
            fi
        done
        sleep 0.05
    done
    e2e_fail "no main window within $1 s"
}

# e2e_find TITLE: prints the first visible window of the program other than
# the main window with exactly this title.
e2e_find()
{
    local w
    for w in $(e2e_windows); do
        [ "$w" = "$E2E_MAIN" ] && continue
        if [ "$(e2e_title "$w")" = "$1" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# e2e_wait_window TITLE SECONDS: sets E2E_FOUND. The message boxes carry the
# program's title, "Velto", like the main window.
e2e_wait_window()
{
    local deadline w
    deadline=$(e2e_deadline "$2")
    while [ "$SECONDS" -le "$deadline" ]; do
        e2e_check_alive
        if w=$(e2e_find "$1"); then
            E2E_FOUND=$w
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "no window \"$1\" within $2 s"
}

# e2e_wait_closed WID SECONDS
e2e_wait_closed()
{
    local deadline
    deadline=$(e2e_deadline "$2")
    while [ "$SECONDS" -le "$deadline" ]; do
        e2e_check_alive
        e2e_windows | grep -qx "$1" || return 0
        sleep 0.1
    done
    e2e_fail "window $1 (\"$(e2e_title "$1")\") still open after $2 s"
}

# e2e_focus WID: gives the window the keyboard; retried, since a window that
# has just been mapped may refuse the focus for a moment.
e2e_focus()
{
    local deadline
    deadline=$(e2e_deadline 10)
    while [ "$SECONDS" -le "$deadline" ]; do
        e2e_check_alive
        timeout 3 xdotool windowfocus --sync "$1" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    e2e_fail "cannot give window $1 the keyboard focus"
}

# e2e_keys WID KEYS...: focus, then the keys, through the X test extension
# as a real keyboard would send them.
e2e_keys()
{
    local wid=$1
    shift
    e2e_focus "$wid"
    xdotool key --delay 60 "$@"
}

# e2e_answer TITLE SECONDS KEYS...: waits for a window, checks that it is
# centred, answers it with the keys and waits until it has gone.
e2e_answer()
{
    local title=$1 seconds=$2
    shift 2
    e2e_wait_window "$title" "$seconds"
    local wid=$E2E_FOUND
    e2e_check_centred "$wid"
    e2e_log "window $wid \"$title\" $(e2e_size "$wid"): $*"
    e2e_keys "$wid" "$@"
    e2e_wait_closed "$wid" 30
}

# e2e_pixels_other_than HEX X Y W H: how many pixels of a rectangle of the
# table (coordinates below the menu bar) are not of the colour HEX, as
# ImageMagick writes it (C0C0C0); -1 when the window could not be read.
e2e_pixels_other_than()
{
    local size menu text
    size=$(e2e_size "$E2E_MAIN")
    menu=$((${size#*x} - MainClientHeight))
    text=$(import -window "$E2E_MAIN" -crop "${4}x${5}+${2}+$((menu + $3))" +repage -depth 8 txt:- 2>/dev/null |
        tail -n +2)
    if [ "$(grep -c . <<<"$text")" -ne $(($4 * $5)) ]; then
        echo -1
        return
    fi
    grep -vc "#$1" <<<"$text"
}

# e2e_wait_deck single|double SECONDS: the deck before the first deal is a
# stack of backs, 103 pixels wide for a single deck and 139 for a double one,
# on the silver table; a strip just right of the single stack tells them apart.
e2e_wait_deck()
{
    local want=$1 deadline stack=-1 strip=-1
    deadline=$(e2e_deadline "$2")
    while [ "$SECONDS" -le "$deadline" ]; do
        e2e_check_alive
        stack=$(e2e_pixels_other_than C0C0C0 60 190 20 60)
        strip=$(e2e_pixels_other_than C0C0C0 148 190 20 60)
        if [ "$stack" -ge 1000 ]; then
            [ "$want" = single ] && [ "$strip" -eq 0 ] && return 0
            [ "$want" = double ] && [ "$strip" -ge 1000 ] && return 0
        fi
        sleep 0.2
    done
    e2e_fail "the deck is not drawn as a $want deck (of 1200 pixels, $stack drawn inside the stack and $strip right of a single stack)"
}

# e2e_click_deck: a left click in the middle of the deck, which deals. The
# table's coordinates start below the menu bar.
e2e_click_deck()
{
    local size menu
    size=$(e2e_size "$E2E_MAIN")
    menu=$((${size#*x} - MainClientHeight))
    [ "$menu" -ge 0 ] || e2e_fail "main window of unexpected size $size"
    local x=$((37 + 103 / 2)) y=$((menu + 169 + 104 / 2))
    e2e_log "click on the deck at $x,$y"
    xdotool mousemove --window "$E2E_MAIN" --sync "$x" "$y" click 1
    # Out of the window, so no hint comes up over the table later.
    xdotool mousemove --sync 0 0
}

# e2e_play_until_box SECONDS: plays the user's side with the keys 1 to 4,
# over and over and as fast as the program takes them, so that every card
# that fits goes at once, until a box other than the main window shows; sets
# E2E_FOUND to it. At "Easy" the computer moves every 1.25 s, so this player
# usually wins. Keys that arrive after the box has come go to the box, where
# digits do nothing.
e2e_play_until_box()
{
    local deadline w batches=0
    deadline=$(e2e_deadline "$1")
    while [ "$SECONDS" -le "$deadline" ]; do
        e2e_check_alive
        if w=$(e2e_find "Velto"); then
            E2E_FOUND=$w
            e2e_log "box after $batches batches of keys"
            return 0
        fi
        e2e_focus "$E2E_MAIN"
        xdotool key --delay 15 1 2 3 4 1 2 3 4 1 2 3 4
        batches=$((batches + 1))
    done
    e2e_fail "no end of the deal within $1 s"
}

# e2e_catch_flight OUTPNG TRIES: presses the keys 1 to 4 one at a time and
# reads the window at once after each, until a card is seen in the air: its
# shadow, a band of the silver table darkened to #898989..#8B8B8B, which
# nothing at rest shows (a few pixels at most). Saves that screenshot.
e2e_catch_flight()
{
    local out=$1 tries=$2 n key shadow
    for ((n = 0; n < tries; n++)); do
        e2e_check_alive
        e2e_focus "$E2E_MAIN"
        key=$((n % 4 + 1))
        xdotool key "$key"
        import -window "$E2E_MAIN" "$out" 2>/dev/null || continue
        shadow=$(convert "$out" -depth 8 txt:- 2>/dev/null | grep -c '#8[9AB]8[9AB]8[9AB]')
        if [ "$shadow" -ge 200 ]; then
            e2e_log "a card in the air after key $key ($shadow shadow pixels): $out"
            return 0
        fi
        sleep 0.2
    done
    rm -f "$out"
    e2e_fail "no card was seen in the air in $tries tries"
}

# e2e_wait_exit SECONDS [WID]: the program ends by itself; any window that
# shows meanwhile other than the main window (and WID, the box just
# answered) is a fault. Sets E2E_STATUS.
e2e_wait_exit()
{
    local deadline w answered=${2:-}
    deadline=$(e2e_deadline "$1")
    while [ "$SECONDS" -le "$deadline" ]; do
        if ! e2e_alive; then
            wait "$E2E_PID" 2>/dev/null
            E2E_STATUS=$?
            E2E_PID=""
            return 0
        fi
        for w in $(e2e_windows); do
            [ "$w" = "$E2E_MAIN" ] || [ "$w" = "$answered" ] && continue
            e2e_fail "a window \"$(e2e_title "$w")\" showed instead of the program ending"
        done
        sleep 0.1
    done
    e2e_fail "the program still runs $1 s after the exit"
}

# e2e_expect_clean_exit: status 0 and no sanitizer report.
e2e_expect_clean_exit()
{
    [ "$E2E_STATUS" = 0 ] || e2e_fail "the program ended with status $E2E_STATUS"
    if grep -qE 'Sanitizer|runtime error:' "$E2E_TMP/app.log"; then
        e2e_fail "the program's output holds a sanitizer report"
    fi
}

# The twenty Hall of Fame sections, in the order the program writes them.
e2e_hall_sections()
{
    local deck scoring level
    for deck in "Single Deck" "Double Deck"; do
        for scoring in "Normal Scoring" "Las Vegas Scoring"; do
            for level in "Unbeatable" "Very Hard" "Hard" "Not Bad" "Easy"; do
                echo "$deck - $scoring - $level"
            done
        done
    done
}

# e2e_check_config SETTINGS_LINES NAMED_SECTION NAME [STAT_KEY PLAYED WON]:
# the written file holds [Settings] with exactly these lines, then the twenty
# Hall of Fame sections in order, each with the keys 1 to 5 and every entry
# empty except rank 1 of NAMED_SECTION, which holds NAME and a positive score
# (no named entry when NAME is empty), then [Statistics] with its ten keys,
# every record empty except STAT_KEY's, which counts PLAYED deals and WON
# wins, then the races' two tables and their statistics, all empty: a game
# against the computer never counts as a race. Sets E2E_SCORE to the score
# of the named entry.
E2E_SCORE=""
e2e_check_config()
{
    local file=$1 settings=$2 named=$3 name=$4 statKey=${5:-} played=${6:-0} won=${7:-0}
    [ -f "$file" ] || e2e_fail "no settings file written"
    local text
    text=$(tr -d '\r' <"$file")

    local want got
    want=$(printf '[Settings]\n'; e2e_hall_sections | sed 's/.*/[&]/'
           printf '[Statistics]\n[Race - Single Deck]\n[Race - Double Deck]\n[Race Statistics]\n')
    got=$(grep '^\[' <<<"$text")
    [ "$got" = "$want" ] || e2e_fail "sections of the written file are not the expected ones:
$(diff <(echo "$want") <(echo "$got"))"

    got=$(awk '/^\[/ { inside = ($0 == "[Settings]"); next } inside && NF' <<<"$text")
    [ "$got" = "$settings" ] || e2e_fail "[Settings] reads
$got
instead of
$settings"

    local section rank line value score=""
    while IFS= read -r section; do
        got=$(awk -v s="[$section]" '/^\[/ { inside = ($0 == s); next } inside && NF' <<<"$text")
        want=$(printf '%s\n' 1 2 3 4 5)
        [ "$(cut -d= -f1 <<<"$got")" = "$want" ] || e2e_fail "[$section] does not hold exactly the keys 1 to 5:
$got"
        while IFS= read -r line; do
            rank=${line%%=*}
            value=${line#*=}
            if [ -n "$name" ] && [ "$section" = "$named" ] && [ "$rank" = 1 ]; then
                [ "${value%%\`*}" = "$name" ] || e2e_fail "[$section] rank 1 is \"$value\", not $name's"
                score=${value#*\`}
                if ! [[ "$score" =~ ^[0-9]+$ ]] || [ "$score" -eq 0 ]; then
                    e2e_fail "[$section] rank 1 has no positive score: \"$value\""
                fi
            elif [ "$value" != "\`0" ]; then
                e2e_fail "[$section] rank $rank is \"$value\" instead of empty"
            fi
        done <<<"$got"
    done < <(e2e_hall_sections)
    E2E_SCORE=$score

    local deck level key fields
    got=$(awk '/^\[/ { inside = ($0 == "[Statistics]"); next } inside && NF' <<<"$text")
    want=$(for deck in 1 2; do for level in 1 2 3 4 5; do echo "Deck${deck}Level$level"; done; done)
    [ "$(cut -d= -f1 <<<"$got")" = "$want" ] || e2e_fail "[Statistics] does not hold exactly its ten keys:
$got"
    while IFS= read -r line; do
        key=${line%%=*}
        fields=${line#*=}
        if [ "$key" = "$statKey" ]; then
            [ "$(cut -d, -f1,2 <<<"$fields")" = "$played,$won" ] \
                || e2e_fail "[Statistics] $key is \"$fields\", not $played deals with $won won"
        elif [ "$fields" != "0,0,0,0,0,," ]; then
            e2e_fail "[Statistics] $key is \"$fields\" instead of empty"
        fi
    done <<<"$got"

    for section in "Race - Single Deck" "Race - Double Deck"; do
        got=$(awk -v s="[$section]" '/^\[/ { inside = ($0 == s); next } inside && NF' <<<"$text")
        [ "$got" = "$(printf '%s=`0\n' 1 2 3 4 5)" ] || e2e_fail "[$section] is not five empty entries:
$got"
    done
    got=$(awk '/^\[/ { inside = ($0 == "[Race Statistics]"); next } inside && NF' <<<"$text")
    [ "$got" = "$(printf 'Deck1=0,0,0,0,0,,\nDeck2=0,0,0,0,0,,')" ] || e2e_fail "[Race Statistics] is not empty:
$got"
}
