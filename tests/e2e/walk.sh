# Helpers that walk the game through its screens by what it logs: every screen switch ("screen N (from M)"),
# the first frame drawn on it ("screen N shown"), the tappable children of each menu and alert as it is built
# ("screen N taps: tag:x,y ..." and "alert N taps: ..."). Sourced by the end-to-end tests, which set $log (the
# program's log), $window (its X window) and fail().

# Fails, naming the helper that called it, unless that helper got at least $1 arguments: "need_args 3 "$@"".
# Without it a short call dies on an unbound variable somewhere further down, or waits on a wrong pattern.
need_args() {
    local wanted="$1"; shift
    [ "$#" -ge "$wanted" ] || fail "${FUNCNAME[1]} needs $wanted arguments, got $#${*:+: $*}"
}

# Waits $1 seconds without starting a process: tests poll the log ten times a second, and a process started for
# each `sleep` cost more CPU on a loaded machine than the game under test. The read waits on a pipe this shell
# holds both ends of, which never has a line to give.
pause() {
    [ -n "${pause_fd:-}" ] || exec {pause_fd}<> <(:)
    read -r -t "$1" -u "$pause_fd" || true
}

# Lines matching $1 in the log so far.
log_count() { need_args 1 "$@"; grep -c -- "$1" "$log"; }

# The "tag:x,y" items of a tap list, one a line, from the log lines on stdin: only what follows "taps:", so the
# time stamp that begins every line ("11:05:41.427") is never read as tag 11.
tap_items() { sed -n 's/^.* taps: *//p' | tr ' ' '\n'; }

# Whether the log has grown since the last call: what is new is read off a descriptor kept open on it, so the
# question starts no process. Every tenth call says yes regardless, so a log written anew from its start is
# still looked at once a second.
log_grew() {
    local chunk=""
    if [ "${grew_log:-}" != "$log" ]; then
        [ -n "${grew_fd:-}" ] && exec {grew_fd}<&-
        grew_fd=""
        grew_log="$log"
        [ -e "$log" ] && exec {grew_fd}<"$log"
        return 0
    fi
    [ -n "$grew_fd" ] || { grew_log=""; return 0; }
    IFS= read -r -d '' -u "$grew_fd" chunk || true
    grew_asked=$((${grew_asked:-0} + 1))
    [ -n "$chunk" ] || ((grew_asked % 10 == 0))
}

# Waits up to 10 s for the count of lines matching $1 to pass $2; counts again only when the log has grown.
wait_more() {
    need_args 2 "$@"
    local pattern="$1" before="$2"
    for ((i = 0; i < 100; i++)); do
        if ((i == 0)) || log_grew; then
            [ "$(log_count "$pattern")" -gt "$before" ] && return 0
        fi
        pause 0.1
    done
    return 1
}

# awk code: point(line, tag, which) is the centre "x y" of the child tagged `tag` in a line's tap list (the
# `which`th so tagged, counting from 1, or with `which` 0 the last), read only after "taps:", so the time stamp
# that begins every line ("11:05:41.427") is never taken for tag 11; "" when the line has none. One awk instead of a pipeline: the
# tests look points up often, and every process started counts on a loaded machine.
tap_awk='function point(line, tag, which,    n, i, items, part, found, seen) {
    if (!sub(/^.* taps: */, "", line))
        return ""
    n = split(line, items, " ")
    for (i = 1; i <= n; i++) {
        split(items[i], part, ":")
        if (part[1] == tag) {
            found = part[2]
            if (++seen == which)
                break
        }
    }
    if (which > seen)
        return ""
    sub(/,/, " ", found)
    return found
}'

# The centre "x y" of the child tagged $3 in the newest tap list of $1 ("screen" or "alert") $2; with $4
# "last", of the last child so tagged, with a number N, of the Nth (a screen may use a tag in two groups, such
# as tiles and buttons).
tap_point() {
    need_args 3 "$@"
    local which="${4:-1}"
    [ "$which" = last ] && which=0
    awk -v key="$1 $2 taps:" -v tag="$3" -v which="$which" "$tap_awk"'
        $0 ~ key { line = $0 }
        END { p = point(line, tag, which + 0); if (p != "") print p }' "$log"
}

# A press and release at x y, as a finger would. Gestures go in one xdotool run, which keeps their pauses:
# on a loaded machine starting each step's own xdotool can take longer than the pauses themselves.
tap_at() {
    need_args 2 "$@"
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1 sleep 0.05 mouseup 1
}

# Taps x y and waits for screen $3 to be drawn.
tap_xy_to_screen() {
    need_args 3 "$@"
    local shown
    shown="$(log_count "screen $3 shown")"
    tap_at "$1" "$2"
    wait_more "screen $3 shown" "$shown" || fail "a tap at $1,$2 did not lead to screen $3"
}

# Waits up to 30 s for the newest alert $1 (its id, or a pattern of ids) to have grown in: the game logs it
# after that alert's tap list, and from then on its buttons take taps.
wait_alert_grown_in() {
    need_args 1 "$@"
    local listed k
    for ((k = 0; k < 300; k++)); do
        listed="$(grep -n -- "alert $1 taps:" "$log" | tail -n1 | cut -d: -f1)"
        [ -n "$listed" ] && tail -n "+$listed" "$log" | grep -q "alert grown in" && return 0
        pause 0.1
    done
    fail "alert $1 did not grow in within 30 s"
}

# Taps the child tagged $3 of $1 $2 (once its alert has grown in) and waits for screen $4 to be drawn; $5 as
# in tap_point.
tap_to_screen() {
    need_args 4 "$@"
    local kind="$1" id="$2" tag="$3" next="$4" point
    point="$(tap_point "$kind" "$id" "$tag" "${5:-}")"
    [ -n "$point" ] || fail "no child tagged $tag on $kind $id"
    [ "$kind" = alert ] && wait_alert_grown_in "$id"
    # shellcheck disable=SC2086
    tap_xy_to_screen $point "$next"
    echo "$kind $id, tag $tag -> screen $next"
}

# Waits up to 30 s for the first screen $1 to be drawn.
wait_first_screen() {
    need_args 1 "$@"
    for ((i = 0; i < 300; i++)); do
        grep -qs "screen $1 shown" "$log" && return 0
        pause 0.1
    done
    fail "no screen $1 within 30 s"
}

# A fresh start walked to the play screen: the first screen and the how-to-play screen (as
# walk_first_start_to_main_menu), the main menu, Play, the game-mode menu, Start, the game intro, a tap, the
# board. With $1, a screenshot of each screen goes into that folder.
walk_fresh_start_to_play() {
    walk_first_start_to_main_menu "${1:-}"
    walk_main_menu_to_play "${1:-}"
}

# The first screen of a first start, by the game's locale (launch_game's; English when none was given): an
# English device sees the title, and stays there; any other the language choice over the launch picture, whose
# OK leads to the how-to-play screen. "lang.dat" (in the working folder) waits for that OK.
walk_first_screen() {
    local shots="${1:-}"
    wait_first_screen 0
    case "${game_locale:-en_US.UTF-8}" in
    en*)
        grep -q "screen 0 taps:" "$log" && fail "an English first start asked for the language"
        shoot_screen "$shots" title
        ;;
    *)
        grep -q "screen 0 taps:" "$log" || fail "the first start did not open the language choice"
        shoot_screen "$shots" language
        [ -e "${work:-.}/data/lang.dat" ] && fail "lang.dat was written before the language was chosen"
        tap_to_screen screen 0 1 6
        ;;
    esac
}

# A first start on to the how-to-play screen: the first screen, and the title's tap when it is the title.
walk_first_start_to_how_to_play() {
    walk_first_screen "${1:-}"
    grep -q "screen 6 shown" "$log" || tap_xy_to_screen 160 240 6
}

# A first start on to the main menu: the how-to-play screen, left as walk_how_to_play_to_main_menu.
walk_first_start_to_main_menu() {
    walk_first_start_to_how_to_play "${1:-}"
    walk_how_to_play_to_main_menu "${1:-}"
}

# The bottom bar's double tap, between its buttons; on the tutorial its taps count only within 900 ms.
double_tap_bar() {
    xdotool mousemove --window "$window" 160 462 mousedown 1 sleep 0.05 mouseup 1 sleep 0.1 \
        mousedown 1 sleep 0.05 mouseup 1
}

# On the tutorial: the bar's double tap and the question it raises to leave (alert 5).
ask_to_leave_tutorial() {
    local asked
    sleep 1   # the answered alert shrinks away; until it has gone it takes the touches
    asked="$(log_count "alert 5 taps:")"
    double_tap_bar
    if ! wait_more "alert 5 taps:" "$asked"; then
        double_tap_bar   # a loaded machine may have split the taps
        wait_more "alert 5 taps:" "$asked" || fail "the bar's double tap did not ask to leave the tutorial"
    fi
}

# From the title of a start without a saved state to the main menu: the how-to-play screen comes next (see
# walk_how_to_play_to_main_menu).
walk_first_title_to_main_menu() {
    tap_xy_to_screen 160 240 6
    walk_how_to_play_to_main_menu "${1:-}"
}

# From the how-to-play screen to the main menu: its alert answered, the tutorial left by the bar's double tap
# and the question it raises.
walk_how_to_play_to_main_menu() {
    local shots="${1:-}"
    wait_more "alert 6 taps:" 0 || fail "the how-to-play screen did not open with its alert"
    shoot_screen "$shots" how_to_play
    tap_to_alert_answer 6 0
    wait_tutorial_step 43
    shoot_screen "$shots" tutorial_first_step
    ask_to_leave_tutorial
    shoot_screen "$shots" tutorial_leave_question
    tap_to_screen alert 5 1 3
    shoot_screen "$shots" main_menu
}

# The centre "x y" of the button of the opening dialog (alert 7) of the newest game intro; nothing when that
# intro opened none. The dialog is logged while the intro is built, before the switch to it is.
intro_alert_point() {
    awk "$tap_awk"'
        / alert 7 taps:/ { pending = $0 }
        / screen [0-9]+ \(from / { if (/ screen 1 \(from /) intro = pending; pending = "" }
        END { p = point(intro, 0, 1); if (p != "") print p }' "$log"
}

# From the game intro on to the play screen: its opening dialog answered by its button, or, when the intro
# opened none (Challenge, Two Player), a tap on the overlay.
leave_game_intro() {
    local point
    point="$(intro_alert_point)"
    if [ -n "$point" ]; then
        wait_alert_grown_in 7
        # shellcheck disable=SC2086
        tap_xy_to_screen $point 2
    else
        tap_xy_to_screen 160 240 2
    fi
}

# From the title (a first start's: the tutorial comes next) to the play screen.
walk_title_to_play() {
    walk_first_title_to_main_menu "${1:-}"
    walk_main_menu_to_play "${1:-}"
}

# From the main menu to the play screen: Play, the game-mode menu, Start, the game intro and its leaving.
walk_main_menu_to_play() {
    local shots="${1:-}"
    tap_to_screen screen 3 0 15
    shoot_screen "$shots" mode_menu
    tap_to_screen screen 15 0 1 last    # Start (the mode tiles use the same tags)
    shoot_screen "$shots" game_intro
    leave_game_intro
}

# Taps the child tagged $2 of alert $1 once it has grown in, and waits for the answer to be logged.
tap_to_alert_answer() {
    need_args 2 "$@"
    local point answered
    point="$(tap_point alert "$1" "$2")"
    [ -n "$point" ] || fail "no child tagged $2 on alert $1"
    wait_alert_grown_in "$1"
    answered="$(log_count "alert $1 answered")"
    # shellcheck disable=SC2086
    tap_at $point
    wait_more "alert $1 answered" "$answered" || fail "alert $1 was not answered by a tap at $point"
}

# Waits up to 10 s for the tutorial to reach step $1 ("tutorial step N" in the log).
wait_tutorial_step() {
    need_args 1 "$@"
    wait_more "tutorial step $1\$" 0 || fail "the tutorial did not reach step $1"
}

# How often the tutorial has reached step $1.
tutorial_steps() { need_args 1 "$@"; grep -c "tutorial step $1\$" "$log"; }

# Taps the board's middle, slowly enough for each tap to count, until the tutorial reaches step $1 once more.
tap_tutorial_on_to() {
    need_args 1 "$@"
    local before
    before="$(tutorial_steps "$1")"
    for ((t = 0; t < 30; t++)); do
        tap_at 160 200
        sleep 0.6
        [ "$(tutorial_steps "$1")" -gt "$before" ] && return 0
    done
    fail "taps did not move the tutorial on to step $1"
}

# Swipes the furball of cell ($1, $2) one way ($3, $4), as a finger would.
swipe_cell() {
    need_args 4 "$@"
    swipe $((3 + 45 * $1 + 22)) $((73 + 45 * $2 + 22)) "$3" "$4"
}

# From a first start's how-to-play screen through the whole tutorial into a game of the selected mode, and on to
# the play screen: taps move it on while its demonstrations play, a throw from the wrong furball is taken back
# with the bar's undo (the step comes again), then the two right throws and the last taps.
walk_tutorial_to_play() {
    local shots="${1:-}" step again shown_intro shown_modes
    wait_more "alert 6 taps:" 0 || fail "the how-to-play screen did not open with its alert"
    shoot_screen "$shots" how_to_play
    tap_to_alert_answer 6 0
    wait_tutorial_step 43
    for step in 44 45 46 47 54 48 49; do
        tap_tutorial_on_to "$step"
        case "$step" in 45 | 54 | 49) shoot_screen "$shots" "tutorial_$step" ;; esac
    done
    swipe_cell 2 4 1 0
    wait_more "tutorial wrong throw" 0 || fail "a throw from the wrong furball was not noticed"
    shoot_screen "$shots" tutorial_wrong_throw
    again="$(tutorial_steps 49)"
    tap_at 20 460
    for ((i = 0; i < 50; i++)); do
        [ "$(tutorial_steps 49)" -gt "$again" ] && break
        pause 0.1
    done
    [ "$(tutorial_steps 49)" -gt "$again" ] || fail "the bar's undo did not take the wrong throw back"
    echo "tutorial: the wrong throw was undone and step 49 shown again"
    shoot_screen "$shots" tutorial_undone
    swipe_cell 5 4 -1 0
    wait_tutorial_step 50
    swipe_cell 3 4 1 0
    wait_tutorial_step 51
    shoot_screen "$shots" tutorial_51
    tap_tutorial_on_to 53
    shoot_screen "$shots" tutorial_53
    shown_intro="$(log_count "screen 1 shown")"
    shown_modes="$(log_count "screen 15 shown")"
    tap_tutorial_on_to -1
    for ((i = 0; i < 100; i++)); do
        [ "$(log_count "screen 1 shown")" -gt "$shown_intro" ] && break
        [ "$(log_count "screen 15 shown")" -gt "$shown_modes" ] && break
        pause 0.1
    done
    if [ "$(log_count "screen 15 shown")" -gt "$shown_modes" ]; then
        tap_to_screen screen 15 0 1 last   # sent to the mode menu: Start
    fi
    [ "$(log_count "screen 1 shown")" -gt "$shown_intro" ] || fail "the finished tutorial did not lead into a game"
    echo "tutorial played to its end and on into a game"
    shoot_screen "$shots" game_intro
    leave_game_intro
}

# Pixels that differ between two pictures (ImageMagick's names, a crop "[WxH+X+Y]" allowed) beyond a colour fuzz
# ($3, 12% by default).
differing_pixels() {
    need_args 2 "$@"
    local n
    n="$(compare -metric AE -fuzz "${3:-12%}" "$1" "$2" null: 2>&1 | cut -d' ' -f1)"
    echo "${n%%.*}"
}

# A screenshot of the window as $2.png in folder $1 (nothing without a folder), once the screen has settled.
shoot_screen() {
    [ -n "$1" ] || return 0
    sleep 0.7
    import -window "$window" "$1/$2.png" 2>/dev/null || fail "no screenshot of $2"
}

# A swipe from x y ($1 $2) in the direction $3 $4 (each -1, 0 or 1), 60 pixels long, as a finger would.
swipe() {
    need_args 4 "$@"
    local fx="$1" fy="$2" dx="$3" dy="$4" step steps=()
    for step in 1 2 3 4 5 6; do
        steps+=(mousemove --window "$window" $((fx + dx * step * 10)) $((fy + dy * step * 10)) sleep 0.03)
    done
    xdotool mousemove --window "$window" "$fx" "$fy" mousedown 1 "${steps[@]}" mouseup 1
}

# Swipes a valid move on the board last reported (waiting up to 4 s for one) and waits for it to be made.
make_a_move() {
    local fx fy dx dy moves
    read -r fx fy dx dy < <(python3 "$(dirname "${BASH_SOURCE[0]}")/pick_swipe.py" --wait 4 "$log")
    [ -n "${dy:-}" ] || fail "no valid swipe on the board"
    moves="$(log_count "move made")"
    swipe "$fx" "$fy" "$dx" "$dy"
    wait_more "move made" "$moves" || fail "the swipe at $fx,$fy made no move"
}

# The centre "x y" of Next Level (tag 1) on the new-level popup (alert 2) that ends a Free Play level, once it
# has grown in and while it waits for its answer; nothing otherwise.
level_popup_point() {
    awk "$tap_awk"'
        / alert 2 taps:/ { listed = $0; grown = 0; answered = 0 }
        / alert grown in/ { grown = 1 }
        / alert 2 answered/ { answered = 1 }
        END { if (listed != "" && grown && !answered) { p = point(listed, 1, 1); if (p != "") print p } }' "$log"
}

# Where play stands after the last move: "waiting" when it left the board's last furball and no board has been
# dealt since, "dealt" once one has, "other" after any other move (or none).
after_last_move() {
    awk '/ move made/ { state = / 1 furballs left/ ? "waiting" : "other" }
         / puzzle [0-9]+ of level/ { if (state == "waiting") state = "dealt" }
         END { print state == "" ? "other" : state }' "$log"
}

# After a move that left one furball: waits up to 20 s for the next board, answering on the way the new-level
# popup that ends a Free Play level with Next Level, and lets the new furballs come in. Nothing to do after any
# other move.
play_on_to_next_board() {
    local k
    for ((k = 0; k < 200; k++)); do
        case "$(after_last_move)" in
        other) return 0 ;;
        dealt) pause 1.5; return 0 ;;
        esac
        [ -n "$(level_popup_point)" ] && tap_to_alert_answer 2 1
        pause 0.1
    done
    fail "no next board within 20 s of the board's last furball"
}

# Whether the log holds more "move made" lines than $1.
moves_since() { need_args 1 "$@"; [ "$(log_count "move made")" -gt "$1" ]; }

# One Frenzy swipe aimed at the board last logged: a furball with a single other ahead in its line, a move that
# clears that one whatever the colours. Drops land without a log line, so the aim may miss: succeeds when a
# move is made within 3 s. Leaves the swipe in fx fy dx dy.
try_lone_swipe() {
    local before
    read -r fx fy dx dy < <(python3 "$(dirname "${BASH_SOURCE[0]}")/solve_swipes.py" --lone "$log")
    [ -n "${fx:-}" ] || fail "no valid Frenzy swipe"
    before="$(log_count "move made")"
    swipe "$fx" "$fy" "$dx" "$dy"
    wait_for 30 moves_since "$before"
}

# Plays the board on the play screen to its end with the throws the program $1 (tests/e2e/solving_throw)
# finds, and waits for the board to be reported solved.
play_board_to_end() {
    need_args 1 "$@"
    local solver="$1" line cells column row dx dy centre moves solved
    solved="$(log_count "board solved")"
    for ((throw = 0; throw < 20; throw++)); do
        line="$(grep "furballs (cell:centre)" "$log" | tail -n1 | sed 's/^.*furballs (cell:centre) *//')"
        cells="$(echo "$line" | tr ' ' '\n' | cut -d: -f1 | tr '\n' ' ')"
        # shellcheck disable=SC2086
        read -r column row dx dy < <("$solver" $cells)
        [ -n "${dy:-}" ] || fail "no solving throw for the board $cells"
        centre="$(echo "$line" | tr ' ' '\n' | grep "^$column,$row:" | cut -d: -f2 | tr ',' ' ')"
        moves="$(log_count "move made")"
        # shellcheck disable=SC2086
        swipe $centre "$dx" "$dy"
        wait_more "move made" "$moves" || fail "the solving throw of $column,$row made no move"
        if grep "move made" "$log" | tail -n1 | grep -q ", 1 furballs left"; then
            wait_more "board solved" "$solved" || fail "one furball left but the board was not solved"
            return 0
        fi
        sleep 1.5   # the furballs fly and settle before the next board is read
    done
    fail "the board was not solved in 20 throws"
}

# Pause and resume as on a desktop: the focus goes to a small other window until the game logs its loss, then
# back; fails unless the game logs the gain within $1 tenths of a second. Sets other_pid while that window
# lives, for the caller's clean-up.
focus_away_and_back() {
    need_args 1 "$@"
    local losses gains
    losses="$(log_count "focus lost")"
    xlogo -geometry 100x100+450+550 2>/dev/null &
    other_pid=$!
    wait_more "focus lost" "$losses" || fail "the game did not lose the focus to another window"
    # Counted before the other window goes: the window manager may hand the focus back by itself as it closes.
    gains="$(log_count "focus gained")"
    kill "$other_pid" 2>/dev/null; wait "$other_pid" 2>/dev/null; other_pid=""
    wmctrl -i -a "$window"
    for ((i = 0; i < $1; i++)); do
        [ "$(log_count "focus gained")" -gt "$gains" ] && return 0
        pause 0.1
    done
    fail "the game did not come back within $1 tenths of a second of the focus"
}

# Types $2 into the contact form's field at height $1 in place of what it held (a tap at its right end puts
# the cursor after the text).
type_into_field() {
    need_args 2 "$@"
    tap_at 280 "$1"
    sleep 0.3
    xdotool key --repeat 40 --delay 10 BackSpace
    xdotool type --delay 20 "$2"
}

# Runs the console command $1 from the main menu: the contact form, the command typed into its e-mail field,
# a long press on Back; waits for the main menu to come back.
console_command() {
    need_args 1 "$@"
    local shown
    tap_to_screen screen 3 6 11
    type_into_field 174 "$1"
    sleep 0.3
    shown="$(log_count "screen 3 shown")"
    # shellcheck disable=SC2046
    xdotool mousemove --window "$window" $(tap_point screen 11 0) mousedown 1
    sleep 1.3
    xdotool mouseup 1
    wait_more "screen 3 shown" "$shown" || fail "the console command $1 did not return to the main menu"
}

# On the new-high-score screen: the name $1 typed and saved; waits for the high-score screen.
save_high_score_name() {
    need_args 1 "$@"
    tap_at 280 252   # the name field
    sleep 0.3
    xdotool type --delay 20 "$1"
    sleep 0.3
    tap_to_screen screen 8 0 9   # Save
}
