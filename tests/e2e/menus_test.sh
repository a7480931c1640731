#!/usr/bin/env bash
# Walks the menu screens of the real program as a player would, in a virtual X display with a fresh copy of the
# data folder and a loopback score server that answers every request 2.5 s late: the first start's language
# choice (one flag to the left: German) holds after a restart; a theme tile changes the look and says so; the
# contact form opens from the main menu's entry and from its two hidden corners, sends through the server
# with the busy indicator turning and the window live, fails without the server and keeps the typed texts for
# the next visit; Back held over a second runs the console
# ("bv.help", "bv.version"), a short tap does not; "bv.reset.all" ends the program with status 0 and the next
# start is a fresh one. Screenshots of each step go into the output folder.
#
#   menus_test.sh <kelzo> <data folder> <close_window> <folder for screenshots and the log>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
begin_desktop_run 400x560x24
cd "$work/data" || fail "no data copy"
run=0

start_loopback_server "$here/../support/loopback_score_server.py" "$out/server.log" --port 0 --modes late \
    --late 2.5 --max-requests 200 --lifetime 170

# Each start logs into a file of its own, so that waits for a screen see only this run.
start_game() {
    run=$((run + 1))
    log="$out/kelzo-$run.log"
    # A device language the game lacks: the first start asks, with English in the middle.
    launch_game nl_NL.UTF-8 KELZO_SERVER_HOST="127.0.0.1:$port"
}

# Waits for the program to end by itself and checks its exit status.
expect_exit_0() {
    wait_game_end "$1"
    [ "$status" -eq 0 ] || fail "exit status $status after $1"
}

# Text $1 of the German language file (the line number among the texts is the id).
text() { grep -v '^#' german.txt | sed -n "$(($1 + 1))p"; }

# A finger that presses, rests $3 seconds and lets go at x y.
hold_at() {
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1
    sleep "$3"
    xdotool mouseup 1
}

# Taps the button of the newest alert a screen opened on its own (logged as alert -1).
answer_menu_alert() {
    sleep 1   # it takes touches once it has grown in
    # shellcheck disable=SC2046
    tap_at $(tap_point alert -1 0)
    sleep 0.5
}

# The contact form's fields, placed from its Send button (the rows above it have fixed heights).
contact_fields() {
    read -r send_x send_y < <(tap_point screen 11 1)
    read -r back_x back_y < <(tap_point screen 11 0)
    [ -n "${send_y:-}" ] && [ -n "${back_y:-}" ] || fail "the contact form logged no Back and Send"
    email_y=$((send_y - 169))
    feedback_y=$((send_y - 111))
}

# Replaces the text of the field at y $1 with $2: a tap makes it take the keys, the cursor goes to the end.
retype_field() {
    tap_at 200 "$1"
    sleep 0.3
    xdotool key --repeat 40 --delay 10 Right
    xdotool key --repeat 40 --delay 10 BackSpace
    xdotool type --delay 40 "$2"
    sleep 0.3
}

open_contact() {
    tap_to_screen screen 3 6 11
    sleep 0.5
    contact_fields
}

# Types $1 as the address and holds Back: the console's alert titled $2 shows over the main menu.
console() {
    local before
    before="$(log_count "alert -1: $2")"
    open_contact
    retype_field "$email_y" "$1"
    shown="$(log_count "screen 3 shown")"
    hold_at "$back_x" "$back_y" 1.4
    wait_more "alert -1: $2" "$before" || fail "\"$1\" with Back held did not show \"$2\""
    wait_more "screen 3 shown" "$shown" || fail "Back held did not return to the main menu"
    echo "console: $1 -> $2"
}

state_file_has() { grep -qa -- "$1" contactMenuState.dat; }

# ---- The first start: the language choice over the launch picture, one flag to the left.
start_game
grep -q "screen 0 taps:" "$log" || fail "the first start did not open the language choice"
shoot_screen "$out" language
xdotool mousemove --window "$window" 200 240 mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$window" $((200 - 13 * step)) 240
    sleep 0.03
done
sleep 0.5   # the finger rests: no flick
xdotool mouseup 1
sleep 1
shoot_screen "$out" language_german
[ -e lang.dat ] && fail "lang.dat was written before the language was chosen"
tap_to_screen screen 0 1 6     # the answer goes on to the how-to-play screen
[ "$(od -An -tu4 lang.dat | tr -d ' ')" = 1 ] || fail "lang.dat does not hold German (1): $(od -An -tu4 lang.dat)"
walk_how_to_play_to_main_menu "$out"

# ---- A theme tile: the alert says so, its answer returns to the main menu.
tap_to_screen screen 3 11 18
shoot_screen "$out" themes
tile="$(grep "screen 18 taps:" "$log" | tail -n1 | tap_items | grep '^10[0-9]:' | head -n1 | cut -d: -f1)"
[ -n "$tile" ] || fail "the theme screen logged no tiles"
before="$(log_count "alert 23:")"
# shellcheck disable=SC2046
tap_at $(tap_point screen 18 "$tile")
wait_more "alert 23:" "$before" || fail "a theme tile did not say the theme changed"
shoot_screen "$out" theme_chosen
tap_to_screen alert 23 0 3

# ---- The hidden corners of the main menu: a tap at the bottom left, then one at the bottom right, open the form.
tap_at 10 470
tap_xy_to_screen 305 470 11
shoot_screen "$out" contact_by_corners
tap_to_screen screen 11 0 3

# ---- The console: Back held over a second runs it; a short tap only leaves.
open_contact
retype_field "$email_y" "bv.help"
shown="$(log_count "screen 3 shown")"
tap_at "$back_x" "$back_y"
wait_more "screen 3 shown" "$shown" || fail "Back did not leave the contact form"
[ "$(log_count "alert -1: All Commands")" -eq 0 ] || fail "a short tap on Back ran the console"
console "bv.help" "All Commands"
shoot_screen "$out" console_help
answer_menu_alert
console "bv.version" "Build Info"
shoot_screen "$out" console_version
answer_menu_alert

# ---- Feedback through the late server: the busy indicator turns while the window goes on drawing.
open_contact
retype_field "$email_y" "player@example.org"
retype_field "$feedback_y" "Nice game"
shoot_screen "$out" contact_filled
thanks="$(text 135)"
before="$(log_count "alert -1: $thanks")"
shown="$(log_count "screen 3 shown")"
tap_at "$send_x" "$send_y"
# The busy indicator turns: two screenshots a moment apart differ while the answer is awaited.
live=""
for ((i = 0; i < 10; i++)); do
    import -window "$window" "$out/contact_busy1.png" || fail "no screenshot"
    sleep 0.2
    import -window "$window" "$out/contact_busy2.png" || fail "no screenshot"
    [ "$(log_count "alert -1: $thanks")" -gt "$before" ] && break
    changed="$(compare -metric AE "$out/contact_busy1.png" "$out/contact_busy2.png" null: 2>&1 | cut -d' ' -f1)"
    [ "${changed%%.*}" -gt 20 ] 2>/dev/null && live=1 && break
done
[ -n "$live" ] || fail "the window stood still while the feedback was sent"
wait_more "alert -1: $thanks" "$before" || fail "the accepted feedback was not thanked for"
wait_more "screen 3 shown" "$shown" || fail "the form did not leave after the send"
shoot_screen "$out" contact_sent
posts="$(grep -c "REQUEST POST /support/service_submit/" "$out/server.log")"
[ "$posts" -eq 1 ] || fail "$posts feedback requests reached the server, not 1"
body="$(grep "REQUEST POST /support/service_submit/" "$out/server.log" | cut -d' ' -f4 | xxd -r -p)"
case "$body" in
    email=player%40example%2eorg\&question=Nice%20game%0a%0a%5bKelzo1%2e6%2e2*\&topic=kelzo\&subscribe=yes) ;;
    *) fail "the feedback body reads: $body" ;;
esac
state_file_has "player@example.org" || fail "the address was not kept"
state_file_has "Nice game" && fail "accepted feedback was kept"
answer_menu_alert

# ---- Without the server the send fails and the feedback stays for the next visit.
stop_loopback_server
open_contact
retype_field "$feedback_y" "Second try"
sorry="$(text 137)"
before="$(log_count "alert -1: $sorry")"
tap_at "$send_x" "$send_y"
wait_more "alert -1: $sorry" "$before" || fail "a send without a server did not say it failed"
shoot_screen "$out" contact_failed
answer_menu_alert
state_file_has "Second try" || fail "the feedback of a failed send was not kept"
open_contact
shoot_screen "$out" contact_kept
tap_to_screen screen 11 0 3

# ---- A ranking Arcade score asks for a name and stores it at once.
tap_to_screen screen 3 0 15
# shellcheck disable=SC2046
tap_at $(tap_point screen 15 0)         # the Arcade tile
sleep 0.5
tap_to_screen screen 15 0 1 last        # Start
leave_game_intro
sleep 1
shown="$(log_count "screen 3 shown")"
double_tap_bar
wait_more "screen 3 shown" "$shown" || fail "the double tap on the bottom bar did not open the main menu"
open_contact
retype_field "$email_y" "bv.score 4321"
shown="$(log_count "screen 3 shown")"
hold_at "$back_x" "$back_y" 1.4
wait_more "screen 3 shown" "$shown" || fail "Back held did not return to the main menu"
tap_to_screen screen 3 0 8              # Play ends the scored game: the new-high-score page
shoot_screen "$out" new_high_score
read -r save_x save_y < <(tap_point screen 8 0)
tap_at 200 $((save_y - 73))             # the name field, above the buttons
sleep 0.3
xdotool type --delay 40 "Ann"
tap_to_screen screen 8 0 9
grep -qa "Ann" hiScores.dat || fail "the name is not in hiScores.dat"
wait_more "alert -1: $(text 155)" 0 || fail "the high-score screen did not offer to share the new score"
shoot_screen "$out" high_scores_after
answer_menu_alert                       # not now
tap_to_screen screen 9 0 15             # Back: a new game waits behind the game-mode menu
tap_to_screen screen 15 1 3 last

# ---- A restart keeps the language: the title comes, not the choice.
"$closer" "$window" || fail "cannot close the window"
expect_exit_0 "the window was closed"
start_game
[ "$(log_count "screen 0 taps:")" -eq 0 ] || fail "the second start asked for the language again"
shoot_screen "$out" title_again

# ---- "bv.reset.all": the program ends with status 0 and leaves a fresh installation.
tap_xy_to_screen 160 240 15    # the tutorial was seen: the title leads to the game-mode menu
tap_to_screen screen 15 1 3 last   # Back (a mode tile is tagged 1 too)
open_contact
retype_field "$email_y" "bv.reset.all"
hold_at "$back_x" "$back_y" 1.4
expect_exit_0 "bv.reset.all"
for file in lang.dat settings.dat hiScores.dat gameState.dat contactMenuState.dat; do
    [ -e "$file" ] && fail "$file is still there after bv.reset.all"
done
start_game
[ "$(log_count "screen 0 taps:")" -gt 0 ] || fail "the start after the reset did not ask for the language"
shoot_screen "$out" fresh_again
"$closer" "$window" || fail "cannot close the window"
expect_exit_0 "the window was closed after the reset"
echo "PASS"
