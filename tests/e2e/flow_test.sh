#!/usr/bin/env bash
# Walks the real program through every screen a player reaches, on a desktop (openbox in a virtual X display)
# with the loopback score server: the title of an English first start, the how-to-play screen
# (its tutorial left at the first step),
# the main menu, the game-mode menu with its level choice and a game of Arcade, Challenge, Frenzy and Free
# Play (a move in each, one Free Play puzzle played to its end), pause and resume through the focus, the high
# scores (local, online, a period arrow), a ranking score (typed name, upload), the level choice over a Free
# Play board, the statistics page, its history and a replayed card, the settings (a slider, a switch), the
# language menu, the themes (the board changes its look), the contact form (a send, the build-info console
# command), the window closed (exit 0 within 5 s); then the next start's title with its resume offer.
#
# One screenshot per screen goes to <out>/; the menus, which hold still, are compared with the references in
# tests/e2e/flow_references/ (ImageMagick `compare`, a colour fuzz and a share of pixels allowed to differ);
# the play, intro and how-to-play screens are only checked to be drawn (not blank, not the screen before).
# A contact sheet of every shot is written to <out>/contact_sheet.png. With KELZO_FLOW_REMAKE=1 the
# references are written anew from this run instead (tests/e2e/remake_flow_references.sh).
#
#   flow_test.sh <kelzo> <data folder> <close_window> <solving_throw> <folder for screenshots and logs>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; solver="$4"; out="$5"
here="$(cd "$(dirname "$0")" && pwd)"
# KELZO_FLOW_LANGUAGE, a language code ("de"), plays the flow in that language from its first start on (the
# game takes the locale's language) against references of its own, tests/e2e/flow_references_<code>/.
flow_language="${KELZO_FLOW_LANGUAGE:-}"
references="$here/flow_references${flow_language:+_$flow_language}"
locale=()
if [ -n "$flow_language" ]; then
    locale=("${flow_language}_$(echo "$flow_language" | tr '[:lower:]' '[:upper:]').UTF-8")
fi
# Colour distance under which two pixels count as the same, and the share of the 320x480 pixels that may
# differ still (sparkles, a cursor, the odd glyph edge).
fuzz="12%"
allowed_pixels=3000
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
log="$out/kelzo.log"
begin_desktop_run 600x700x24 wm

# The score server on a free loopback port; it stops when this script closes its input.
start_loopback_server "$here/../support/loopback_score_server.py" "$out/server.txt" \
    --lifetime 600 --max-requests 2000
requests() { grep -c "^REQUEST $1" "$out/server.txt"; }
more_requests() { [ "$(requests "$1")" -gt "$2" ]; }
more_lines() { [ "$(log_count "$1")" -gt "$2" ]; }
# Waits up to $1 tenths of a second for the count of lines matching $2 to pass $3.
wait_more_within() { wait_for "$1" more_lines "$2" "$3"; }

start_game() { launch_game "${locale[@]}" KELZO_SERVER_HOST="127.0.0.1:$port"; }

# ---- screenshots and their checks
shots=()
previous_shot=""
take() {
    local name="$1"
    shoot_screen "$out" "$name"
    shots+=("$name")
    previous_shot="$out/$name.png"
}
# A menu screen: compared with its reference (or made the reference) between the board's top and bottom bars,
# which belong to the play screen; a menu over a game in play is compared within the crop $2 (WxH+X+Y), its
# panel: the random board around it is no part of the menu.
menu_shot() {
    local name="$1" crop="[${2:-320x362+0+70}]" n
    take "$name"
    if [ "${KELZO_FLOW_REMAKE:-0}" = 1 ]; then
        mkdir -p "$references"
        cp "$out/$name.png" "$references/$name.png"
        return 0
    fi
    [ -f "$references/$name.png" ] || fail "no reference for $name (tests/e2e/remake_flow_references.sh)"
    n="$(differing_pixels "$out/$name.png$crop" "$references/$name.png$crop" "$fuzz")"
    echo "$name: $n pixels differ from the reference"
    if ! [ "$n" -le "$allowed_pixels" ] 2>/dev/null; then
        compare -fuzz "$fuzz" "$out/$name.png" "$references/$name.png" "$out/$name-diff.png" 2>/dev/null
        fail "$name differs from its reference in $n pixels (see $out/$name-diff.png)"
    fi
}
# A screen still being reworked: it must be drawn, and be another picture than the shot before it.
drawn_shot() {
    local name="$1" before="$previous_shot" spread n
    take "$name"
    spread="$(convert "$out/$name.png" -colorspace Gray -format "%[fx:standard_deviation]" info:)"
    python3 -c "import sys; sys.exit(0 if float('$spread') > 0.03 else 1)" || fail "$name is blank"
    if [ -n "$before" ]; then
        n="$(differing_pixels "$out/$name.png" "$before" "$fuzz")"
        [ "$n" -gt 2000 ] 2>/dev/null || fail "$name looks like the screen before it ($n pixels differ)"
    fi
    echo "$name: drawn"
}

# ---- the first start
start_game
grep -q "servers at 127.0.0.1:$port" "$log" || fail "the game did not take KELZO_SERVER_HOST"
if [ -n "$flow_language" ]; then
    # Another language's first start asks for the language; the answer leads on to how-to-play.
    grep -q "screen 0 taps:" "$log" || fail "a first start in $flow_language did not ask for the language"
    menu_shot language_first_start 320x480+0+0
    tap_to_screen screen 0 1 6
else
    # An English device's first start opens on the title.
    grep -q "screen 0 taps:" "$log" && fail "an English first start asked for the language"
    menu_shot title 320x480+0+0
    tap_xy_to_screen 160 240 6
fi
# The first start's how-to-play screen: its alert, the tutorial's first step, left by the bar's double tap.
wait_for 50 grep -q "alert 6 taps:" "$log" || fail "the how-to-play screen did not open with its alert"
drawn_shot how_to_play
tap_to_alert_answer 6 0
wait_tutorial_step 43
drawn_shot tutorial_first_step
ask_to_leave_tutorial
drawn_shot tutorial_leave_question
tap_to_screen alert 5 1 3
menu_shot main_menu
# Settings: a slider dragged, a switch turned, the language menu and back.
tap_to_screen screen 3 4 4
xdotool mousemove --window "$window" 234 98 mousedown 1
for x in 210 180 150 120; do xdotool mousemove --window "$window" "$x" 98; sleep 0.05; done
xdotool mouseup 1
sleep 0.3
# shellcheck disable=SC2046
tap_at $(tap_point screen 4 5)   # Show tips (the first of two rows tagged 5)
menu_shot settings_changed
tap_to_screen screen 4 104 17
menu_shot language
tap_to_screen screen 17 1 4
tap_to_screen screen 4 0 3

# Themes: another look chosen; the board shows it.
tap_to_screen screen 3 11 18
menu_shot themes
answered="$(log_count "alert 23 taps:")"
# shellcheck disable=SC2046
tap_at $(tap_point screen 18 102)   # Fruit
wait_more "alert 23 taps:" "$answered" || fail "choosing a theme raised no alert"
wait_alert_grown_in 23
menu_shot theme_chosen
tap_to_screen alert 23 0 3
menu_shot main_menu_new_theme
# The board around the menu, left of its panel (whose longer German words leave a narrower strip): grass
# before, the new look after.
changed="$(differing_pixels "$out/main_menu.png[6x300+1+100]" "$out/main_menu_new_theme.png[6x300+1+100]" "$fuzz")"
[ "$changed" -gt 1250 ] 2>/dev/null || fail "the board did not change its look with the theme ($changed of 1800 pixels)"
echo "themes: the board changed its look ($changed of 1800 pixels)"

# The game-mode menu with its level choice.
tap_to_screen screen 3 0 15
menu_shot mode_menu_free_play_levels

# Starts the game type whose tile is tagged $1 on the game-mode menu, through its intro, and makes a move.
play_mode() {
    local tile="$1" name="$2"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen 15 "$tile")
    sleep 0.5
    menu_shot "mode_menu_$name" 280x340+20+65
    # Start (the tiles use the same tags): the game intro comes first on a type's first game.
    local intros plays
    intros="$(log_count "screen 1 shown")"; plays="$(log_count "screen 2 shown")"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen 15 0 last)
    for ((i = 0; i < 100; i++)); do
        more_lines "screen [12] shown" "$((intros + plays))" && break
        pause 0.1
    done
    if more_lines "screen 1 shown" "$intros"; then
        drawn_shot "game_intro_$name"
        leave_game_intro
    else
        more_lines "screen 2 shown" "$plays" || fail "Start led to no game of $name"
    fi
    sleep 1   # the cross-fade into the play screen ends
    drawn_shot "play_$name"
    case "$name" in
    frenzy) ;;   # drops keep landing while a swipe is aimed; Frenzy's moves are played by the ladder test
    challenge)
        # Its board comes with the Start of its level intro.
        local boards
        boards="$(log_count "puzzle .* of level")"
        # shellcheck disable=SC2046
        tap_at $(tap_point alert -1 0)
        wait_more "puzzle .* of level" "$boards" || fail "the Challenge intro's Start brought no puzzle"
        sleep 1
        drawn_shot play_challenge_board
        make_a_move
        echo "$name: a move made" ;;
    free_play)
        play_board_to_end "$solver"
        echo "$name: a puzzle played to its end" ;;
    *)
        make_a_move
        echo "$name: a move made" ;;
    esac
}

# A double tap on the bottom bar: the main menu.
bar_to_main_menu() {
    local shown
    sleep 2   # the furballs fly and settle
    shown="$(log_count "screen 3 shown")"
    # A solved board's show takes no touches until it ends: the double tap is tried again then.
    for ((attempt = 0; attempt < 4; attempt++)); do
        double_tap_bar
        wait_more_within 30 "screen 3 shown" "$shown" && return 0
    done
    fail "the double tap on the bottom bar did not open the main menu"
}

play_mode 0 arcade

# Pause and resume: the focus goes to another window and comes back.
focus_away_and_back 50
make_a_move
echo "paused and resumed: a move made after the focus came back"

bar_to_main_menu
menu_shot main_menu_in_game 280x290+20+55   # the panel, above the furballs that show by Resume

# High scores of the Arcade game: the local list, the online one (fetched from the server), the next period;
# compared over the whole panel, from the back button to the source control below the list.
tap_to_screen screen 3 1 9
menu_shot hi_scores_local 280x405+20+32
fetches="$(requests "GET /kelzo/top_scores_sql/")"
# shellcheck disable=SC2046
tap_at $(tap_point screen 9 1 last)   # Online
wait_for 50 more_requests "GET /kelzo/top_scores_sql/" "$fetches" || fail "Online fetched no list"
menu_shot hi_scores_online 280x405+20+32
weekly="$(requests "GET /kelzo/top_scores_sql/.*tf=w")"
tap_at 283 381   # the period bar's right arrow
wait_for 50 more_requests "GET /kelzo/top_scores_sql/.*tf=w" "$weekly" ||
    fail "the period arrow fetched no weekly list"
menu_shot hi_scores_online_week 280x405+20+32
tap_to_screen screen 9 0 3

# A ranking score: set by the console, then Play ends the game and asks for a name.
console_command "bv.score 5000"
tap_to_screen screen 3 0 8
drawn_shot new_high_score
prompts="$(log_count "alert .* taps:")"
save_high_score_name "Flow Tester"
# The upload prompt; its second button sends the score, and the server's rank comes back.
wait_more "alert .* taps:" "$prompts" || fail "the high-score screen did not offer to upload the new score"
wait_alert_grown_in "[0-9-]*"
drawn_shot hi_scores_upload_prompt
submits="$(requests "POST /kelzo/submit_score/")"
# shellcheck disable=SC2046
tap_at $(grep "alert [0-9-]* taps:" "$log" | tail -n1 | tap_items | grep "^1:" | sed 's/^1://; s/,/ /')
wait_for 100 more_requests "POST /kelzo/submit_score/" "$submits" || fail "the upload sent nothing"
grep "^REQUEST POST /kelzo/submit_score/" "$out/server.txt" | tail -n1 | cut -d' ' -f4 | xxd -r -p |
    grep -q "user_name=Flow%20Tester.*score=5000\|score=5000.*user_name=Flow%20Tester" ||
    fail "the upload is not the stored score under the typed name"
sleep 2   # the rank comes back and the online list is shown
drawn_shot hi_scores_new_online_rank
echo "a new high score: stored under a typed name, uploaded, its online rank shown"
tap_to_screen screen 9 0 15
tap_to_screen screen 15 1 3 last

# Challenge and Frenzy: from the main menu's Play.
for pair in 3:challenge 1:frenzy; do
    tap_to_screen screen 3 0 15
    play_mode "${pair%%:*}" "${pair##*:}"
    bar_to_main_menu
done

# Free Play: a puzzle played to its end.
tap_to_screen screen 3 0 15
play_mode 2 free_play
sleep 2
drawn_shot play_free_play_next_board
# The level choice, from the heads-up level label over the board; Cancel goes back to the board.
tap_xy_to_screen 162 22 12
sleep 0.5
menu_shot level_select 280x200+20+140
tap_to_screen screen 12 0 2
bar_to_main_menu
menu_shot main_menu_free_play 280x440+20+20

# The statistics page, its history strip, a replayed card.
tap_to_screen screen 3 2 13
menu_shot statistics 280x330+20+70
tap_to_screen screen 13 1 14
drawn_shot history   # the card shows the random puzzle played and its time
questions="$(log_count "alert -1 taps:")"
tap_at 160 255   # the card of the puzzle just played: the game asks before it replays it
wait_more "alert -1 taps:" "$questions" || fail "a tap on the card did not ask whether to replay it"
wait_alert_grown_in -1
drawn_shot history_replay_question
tap_xy_to_screen 231 302 2   # OK
sleep 1
drawn_shot play_replayed_card
bar_to_main_menu

# Contact: a send reaches the server; the build info shows.
tap_to_screen screen 3 6 11
menu_shot contact 280x270+20+100
type_into_field 174 "player@example.com"
type_into_field 230 "The flow test says hello"
sleep 0.3
posts="$(requests "POST /support/service_submit/")"
# shellcheck disable=SC2046
tap_at $(tap_point screen 11 1)   # Send
wait_for 100 more_requests "POST /support/service_submit/" "$posts" || fail "Send posted nothing"
echo "contact: the feedback reached the server"
sleep 1
drawn_shot contact_sent
grep "^REQUEST POST /support/service_submit/" "$out/server.txt" | tail -n1 | cut -d' ' -f4 | xxd -r -p |
    grep -q "email=player%40example%2ecom&question=The%20flow%20test%20says%20hello" ||
    fail "the feedback sent is not the one typed"
tap_at 160 311   # the answer's OK
sleep 1
console_command "bv.version"
sleep 0.5
drawn_shot build_info   # over the main menu
tap_at 160 300
# ---- the window closed
close_game
echo "closed: ended $took ms after the close, exit status $status"
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$took" -lt 5000 ] || fail "took $took ms to end"
grep -q "holds up the main loop" "$log" && fail "a request was made on the main loop's thread"

# ---- the next start: the title offers to resume
mv "$log" "$out/kelzo-first.log"
start_game
wait_for 50 grep -q "alert 9 taps:" "$log" || fail "the title did not offer to resume"
wait_alert_grown_in 9   # the offer comes 1.1 s after the title
drawn_shot title_resume_offer
close_game
[ "$status" -eq 0 ] || fail "exit status $status after the restart"

montage -label '%t' -pointsize 11 -tile 6x -geometry 160x240+4+4 \
    $(for s in "${shots[@]}"; do echo "$out/$s.png"; done) "$out/contact_sheet.png" ||
    fail "no contact sheet"
echo "contact sheet: $out/contact_sheet.png (${#shots[@]} screens)"
echo "PASS"
