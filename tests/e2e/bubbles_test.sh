#!/usr/bin/env bash
# The speech bubbles of the game-mode menu and of the game intros, in each of the five languages, in the real
# program: a first start on a device of that language (the language choice comes with it selected), the
# tutorial left, the game-mode menu with its opening hint, the Arcade tile's description and the Medium
# difficulty's; then the Free Play and Arcade intros with their callouts. A description bubble must keep off
# the screen's edges: its shot is compared, on the 4-px strips along the left and right edges, with the same
# screen once the bubble has gone. The shots and a contact sheet (<out>/contact_sheet.png) are there to look at.
#
#   bubbles_test.sh <kelzo> <data folder> <close_window> <folder for screenshots and the log>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
begin_desktop_run 400x560x24
shots=()

shot() {
    shoot_screen "$out" "$1"
    shots+=("$1")
}

# Pixels of the strips 4 px wide along the left and right edges (menu rows 70..430) that differ between two
# shots beyond a colour fuzz.
edge_change() {
    local sum=0 crop
    for crop in 4x360+0+70 4x360+316+70; do
        sum=$((sum + $(differing_pixels "$1[$crop]" "$2[$crop]")))
    done
    echo "$sum"
}

# Taps a tile of the game-mode menu at x y, shoots its description ($3), waits until it has faded (3 s after
# the release and its fade) and shoots the screen again: the two shots must differ (a bubble opened), their
# edges must not.
describe_tile() {
    local x="$1" y="$2" name="$3" shown changed
    tap_at "$x" "$y"
    shot "$name"
    pause 4.5
    shot "${name}_gone"
    shown="$(differing_pixels "$out/$name.png" "$out/${name}_gone.png")"
    [ "$shown" -gt 2000 ] 2>/dev/null || fail "the tap on $name opened no bubble ($shown pixels changed)"
    changed="$(edge_change "$out/$name.png" "$out/${name}_gone.png")"
    echo "$name: $changed edge pixels changed by the bubble"
    [ "$changed" -le 8 ] 2>/dev/null || fail "the bubble of $name reaches the screen's edge ($changed pixels)"
}

# From the game-mode menu: the tile tagged $1 (the first so tagged is a mode), Start, the intro shot as $2,
# and on to the main menu.
intro_of() {
    local tile="$1" name="$2"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen 15 "$tile" 1)
    pause 0.5
    tap_to_screen screen 15 0 1 last
    pause 1   # the callouts fade in
    shot "$name"
    leave_game_intro
    pause 2   # the furballs fly in
    local shown
    shown="$(log_count "screen 3 shown")"
    for ((attempt = 0; attempt < 3; attempt++)); do
        double_tap_bar
        wait_more "screen 3 shown" "$shown" && return 0
    done
    fail "the bottom bar's double tap did not lead from $name to the main menu"
}

for lang in en_US de_DE es_ES fr_FR it_IT; do
    short="${lang%%_*}"
    copy_data_folder
    log="$out/kelzo-$short.log"
    launch_game "$lang.UTF-8"
    # The first start asks for the language, with the device's selected (OK), unless the device speaks English.
    walk_first_start_to_main_menu
    tap_to_screen screen 3 0 15
    shot "${short}_mode_menu_hint"
    pause 5   # the opening hint goes
    # shellcheck disable=SC2046
    describe_tile $(tap_point screen 15 0 1) "${short}_mode_arcade"
    # The difficulty tiles come after the mode tiles: Medium is the second child tagged 1 (Frenzy, Medium, Back).
    # shellcheck disable=SC2046
    describe_tile $(tap_point screen 15 1 2) "${short}_difficulty_medium"
    intro_of 2 "${short}_intro_free_play"
    tap_to_screen screen 3 0 15
    intro_of 0 "${short}_intro_arcade"
    close_game
    [ "$status" -eq 0 ] || fail "exit status $status in $short"
done

# shellcheck disable=SC2046
montage -label '%t' -pointsize 11 -tile 8x -geometry 160x240+4+4 \
    $(for s in "${shots[@]}"; do echo "$out/$s.png"; done) "$out/contact_sheet.png" ||
    fail "no contact sheet"
echo "contact sheet: $out/contact_sheet.png (${#shots[@]} screens)"
echo "PASS"
