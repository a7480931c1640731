// fuzzseeds <corpus folder> <data folder>: writes small seed inputs for each fuzz target, made by the game's
// own writers where the game writes the format, and cut down from the shipped files where it only reads them.
// Each seed is named "seed-..." so that findings kept beside it stand apart.
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "Core/MemoryStream.h"
#include "Core/GameClock.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
#include "board/LevelData.h"
#include "graphics/ImageLoading.h"
#include "graphics/SpriteSheetFile.h"
#include "menus/ContactFormState.h"
#include "menus/PromoHistory.h"
#include "modes/ChallengeBests.h"
#include "modes/FrenzyBests.h"
#include "scores/HiScoreTable.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/Core/PackedStreamBuilder.h"

namespace {

std::string gCorpus;

std::string bytesOf(const MemoryStreamOut& out) { return std::string(out.data(), out.size()); }

std::string intBytes(int value)
{
    MemoryStreamOut out;
    writeInt32(out, value);
    return bytesOf(out);
}

std::string fileBytes(const std::string& path, size_t most = std::string::npos)
{
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) {
        fprintf(stderr, "fuzzseeds: cannot read %s\n", path.c_str());
        return bytes;
    }
    char buffer[65536];
    size_t got;
    while (bytes.size() < most && (got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    fclose(file);
    if (bytes.size() > most)
        bytes.resize(most);
    return bytes;
}

void seed(const char* target, const char* name, const std::string& bytes)
{
    std::string folder = gCorpus + "/" + target;
    mkdir(folder.c_str(), 0755);
    std::string path = folder + "/seed-" + name;
    FILE* file = fopen(path.c_str(), "wb");
    if (!file || fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        fprintf(stderr, "fuzzseeds: cannot write %s\n", path.c_str());
        return;
    }
    fclose(file);
}

void settingsSeeds()
{
    Settings settings;
    MemoryStreamOut out;
    settings.write(out);
    std::string full = bytesOf(out);
    seed("settings_dat", "current", full);
    // An older version's file: it ended with the tag right after the fifth int of the second part.
    seed("settings_dat", "older", full.substr(0, 45) + intBytes(makeTag("fr01")));
    seed("fv_dat", "nine", intBytes(9));
    seed("fiv_dat", "instructions", intBytes(105));
    seed("lang_dat", "german", intBytes(1));
}

// Runs `save` in a private folder and returns the bytes of the file it wrote.
template <typename Save>
std::string savedInFolder(const char* fileName, Save save)
{
    char folder[] = "/tmp/fuzzseeds_XXXXXX";
    char cwd[4096];
    if (!mkdtemp(folder) || !getcwd(cwd, sizeof cwd) || chdir(folder) != 0)
        return std::string();
    save();
    std::string bytes = fileBytes(fileName);
    if (system((std::string("rm -rf ") + folder).c_str()) != 0 || chdir(cwd) != 0)
        fprintf(stderr, "fuzzseeds: could not remove %s\n", folder);
    return bytes;
}

// The engine's files as it saves them, from a private folder.
void experimentSeeds()
{
    char folder[] = "/tmp/fuzzseeds_XXXXXX";
    char cwd[4096];
    if (!mkdtemp(folder) || !getcwd(cwd, sizeof cwd) || chdir(folder) != 0)
        return;
    {
        AbSettings engine;
        engine.loadAtStart(String("0123456789abcdef"));
        engine.count(3, 17);
        engine.setVariation("hw", 1);
        engine.findVariation("hw")->generation = 2;
        engine.save();
    }
    std::string current = fileBytes(kVariationsFileName);
    std::string counters = fileBytes(kCountersFileName);
    unlink(kVariationsFileName);
    unlink(kCountersFileName);
    if (chdir(cwd) != 0 || rmdir(folder) != 0)
        fprintf(stderr, "fuzzseeds: could not remove %s\n", folder);
    seed("settings2b_dat", "current", current);
    // The oldest form is the variation block alone, after the 24-byte header; an older one holds fewer values.
    std::string block = current.substr(24);
    seed("settings2_dat", "oldest", block);
    seed("settings2_dat", "fewer-values", block.substr(0, 4 + 4 * 60) + intBytes(makeTag("ab01")));
    seed("settings3_dat", "counters", counters);
    seed("settings3_dat", "fewer-counters", counters.substr(0, 4 * 20) + intBytes(makeTag("ab01")));
    // The reply's first byte is the player's real run count.
    seed("stats_reply", "reassign", std::string("\x01") + "fsl:A3E1\nhw:N1R0,1\nvo:O4D0,1,2\nas:A2P1,50\n");
}

void hiScoreSeeds()
{
    seed("hi_scores_dat", "scores", savedInFolder("hiScores.dat", [] {
             HiScoreTable table;
             table.load("hiScores.dat");
             table.addScore(0, 1200, String("Alice"), 77);
             table.addScore(0, 900, String("Bob"), 78);
             table.addScore(HiScoreTable::kFreePlaySlot, 30, String("Chloé"), 79);
             table.clearPending(0);
             table.setOnlineName(String("alice"));
         }));
}

void promotionAndBestsSeeds()
{
    seed("hist_dat", "two-ads", savedInFolder(PromoHistory::kFileName, [] {
             PromoHistory history;
             history.counter0 = 4;
             PromoAd ad;
             ad.image = "promo2.png";
             ad.link = "http://127.0.0.1/promo";
             ad.id = 2;
             ad.paramA = 7;
             history.ads[2] = ad;
             history.save();
         }));
    seed("personal_bests_dat", "three-levels", savedInFolder(kChallengeBestsFileName, [] {
             loadPersonalBests();
             gChallengeBests.record(0, 1, 42);
             gChallengeBests.record(1, 5, 300);
             gChallengeBests.record(2, 30, 1999);
             savePersonalBests();
         }));
    seed("frenzy_bests_dat", "two-levels", savedInFolder(kFrenzyBestsFileName, [] {
             loadFrenzyBests();
             gFrenzyBests.record(1, 61000);
             gFrenzyBests.record(12, 250000);
             saveFrenzyBests();
         }));
}

// Score replies as the score server sends them. A fetch seed: the flag byte (not 0: the player has a score),
// the score, the name's two-byte length and the name, then pages, each with its two-byte length.
void scoreReplySeeds()
{
    auto page = [](const std::string& body) {
        return std::string(1, char(body.size() & 0xFF)) + char(body.size() >> 8) + body;
    };
    seed("score_fetch_reply", "two-pages", std::string("\x01") + intBytes(950) + page("Me") +
                                               page("rank 2\nAlice,1200\nBob,1000\nCarol,900\n") +
                                               page("rank 2\nMe,950\nDan,400\n"));
    seed("score_submit_reply", "ranked", "Ok,17\n");
    seed("feedback_reply", "ok", "\x01Ok, thanks\n");
    seed("feedback_reply", "refused", std::string("\x01") + "Error: empty question\n");
    seed("contact_menu_state_dat", "typed", savedInFolder(ContactFormState::kFileName, [] {
             ContactFormState form;
             form.email = "player@example.org";
             form.feedback = "The third puzzle of level 4\nhas no solution?";
             form.subscribe = false;
             form.save();
         }));
    seed("score_submit_reply", "refused", "Error,duplicate\n");
}

// A game of `type` kept in the game's slot for that type, with the board saved as `board` on it.
void keepGame(KelzoGame& game, Settings& settings, int type, int level, const std::string& board)
{
    settings.gameMode = type;
    CurrentGameI* kept = CurrentGameI::create(nullptr, false);
    if (!kept)
        return;
    kept->level = level;
    kept->board.reset(new Board());
    MemoryStreamIn in(board.data(), int(board.size()));
    if (!board.empty() && !kept->board->load(in))
        fprintf(stderr, "fuzzseeds: the saved board does not load\n");
    game.setKeptGame(type, kept);
}

// The player's file of a fresh game and of one with a history and kept games with their boards, and the names
// file with one player and with two, as the game writes them.
void gameStateSeeds(const std::string& board)
{
    Settings settings;
    gSettings = &settings;
    gGameClock.updateAt(100000);
    {
        KelzoGame game;
        MemoryStreamOut out;
        game.writeGameModeState(out);
        seed("game_state_player_file", "fresh", bytesOf(out));
    }
    {
        KelzoGame game;
        game.currentLevel = 3;
        game.tutorialDone = true;
        game.history.append(HistoryRecord{10000, 61000, kGameFreePlay, 2, 1, HistoryRecord::kFinished, 2, 1});
        game.history.append(HistoryRecord{10001, 9000, kGameArcade, 0, 0, HistoryRecord::kKept, -1, 0});
        keepGame(game, settings, kGameArcade, 2, board);
        keepGame(game, settings, kGameFreePlay, 1, board);
        game.setCurrentGame(game.keptGame(kGameFreePlay));
        MemoryStreamOut out;
        game.writeGameModeState(out);
        seed("game_state_player_file", "kept-games", bytesOf(out));
    }
    seed("game_state_dat", "one-player", savedInFolder("gameState.dat", [] {
             KelzoGame game;
             game.setFilesAndLoad("gameState.dat", "hiScores.dat");
             game.saveState(false);
         }));
    seed("game_state_dat", "two-players", savedInFolder("gameState.dat", [] {
             KelzoGame game;
             game.setFilesAndLoad("gameState.dat", "hiScores.dat");
             game.playerNames.append(String("Zoë"));
             game.currentPlayer = 1;
             game.saveState(false);
         }));
    gSettings = nullptr;
}

// Puzzle seeds start with the bytes the targets read first (a scheme or flags, four ids), then records.
void puzzleSeeds(const std::string& dataFolder)
{
    std::string puzzles = fileBytes(dataFolder + "/newLdPuzzles.dat", 6 * kPuzzleFileRecordSize);
    std::string complexities = fileBytes(dataFolder + "/newLdComplexities.dat", 6 * 4);
    std::string records;
    for (size_t n = 0; n * kPuzzleFileRecordSize < puzzles.size() && n * 4 < complexities.size(); ++n)
        records += complexities.substr(n * 4, 4) + puzzles.substr(n * kPuzzleFileRecordSize, kPuzzleFileRecordSize);
    std::string ids = intBytes(10000) + intBytes(10003) + intBytes(20001) + intBytes(-1);
    seed("puzzle_new_store", "batch0", std::string("\x03") + ids + std::string("\0\0", 2) + records);
    seed("puzzle_new_store", "batch1", std::string("\x03") + ids + std::string("\x02\0", 2) + records);
    std::string packed = intBytes(3) + intBytes(8192 + 1) + intBytes(8192 * 9 + 2) + intBytes(-5);
    seed("puzzle_packed_id", "batch0", packed + std::string("\0\0", 2) + records);
    seed("puzzle_packed_id", "batch1", packed + std::string("\x01\0", 2) + records);

    // The old store: its 19 counts cut to one or two records per level.
    std::string old = fileBytes(dataFolder + "/oldLevelData.dat");
    if (old.size() < 76)
        return;
    MemoryStreamOut cut;
    std::string body;
    size_t start = 76;
    for (int level = 0; level < kOldLevelCount; ++level) {
        int count = 0;
        memcpy(&count, old.data() + 4 * level, 4);
        int kept = count < 1 + level % 2 ? count : 1 + level % 2;
        writeInt32(cut, kept);
        body += old.substr(start, size_t(kept) * sizeof(LevelRecord));
        start += size_t(count) * sizeof(LevelRecord);
    }
    seed("puzzle_old_store", "cut", intBytes(10001) + intBytes(190000) + intBytes(50000) + intBytes(-3) +
                                        bytesOf(cut) + body);
}

// A sheet file of the data folder cut to its first few regions.
void sheetSeed(const std::string& dataFolder, const char* sheet, int regions)
{
    std::string bytes = fileBytes(dataFolder + "/" + sheet + ".dat");
    if (bytes.size() < 8)
        return;
    int count = 0;
    memcpy(&count, bytes.data(), 4);
    if (count > regions)
        count = regions;
    std::string cut = intBytes(count) + bytes.substr(4, 4) + bytes.substr(8, size_t(count) * kSpriteSheetRecordSize);
    seed("sprite_sheet_dat", sheet, cut);
}

void pictureSeeds(const std::string& dataFolder)
{
    // The loader's first three bytes choose how to load (and by how much to resize).
    RGBA pixels[5 * 3];
    for (int i = 0; i < 15; ++i)
        pixels[i] = RGBA{uint8_t(40 * i), uint8_t(255 - 10 * i), 90, uint8_t(i * 17)};
    std::string png = savedInFolder("p.png", [&pixels] { writePng("p.png", pixels, 5, 3, 5); });
    seed("png_image", "rgba", std::string("\0\x10\x10", 3) + png);
    seed("png_image", "stretched", std::string("\x01\x14\x12", 3) + png);
    seed("png_image", "resized", std::string("\x02\x2c\x44", 3) + fileBytes(dataFolder + "/Right_140x9.png"));

    // 2 x 1 pixels: a literal, then a match that repeats it, then the end.
    StreamBuilder stream(10);
    stream.literals("\x14\x1e\xff\x0a\x14\x1e\xff").end();
    seed("packed_page", "two-pixels", std::string("\x01\0", 2) + std::string(stream.out.begin(), stream.out.end()));
    StreamBuilder repeated('A');
    repeated.shortMatch(1, 3).longMatch(4, 4, true).repeatMatch(2).single(1).end();
    seed("packed_page", "matches", std::string("\x02\x00", 2) + std::string(repeated.out.begin(), repeated.out.end()));
}

// The English file and a translation, each cut to its first lines; the first byte picks the translation.
void languageSeeds(const std::string& dataFolder)
{
    auto firstLines = [](const std::string& text, int lines) {
        size_t at = 0;
        for (int i = 0; i < lines && at != std::string::npos; ++i)
            at = text.find('\n', at + 1);
        return at == std::string::npos ? text : text.substr(0, at + 1);
    };
    std::string english = firstLines(fileBytes(dataFolder + "/english.txt"), 60);
    std::string german = firstLines(fileBytes(dataFolder + "/german.txt"), 60);
    std::string length;
    length += char(english.size() & 0xFF);
    length += char(english.size() >> 8);
    seed("language_file", "english-german", std::string("\0", 1) + length + english + german);

    // The texts that take values, from both files.
    auto withValues = [](const std::string& text) {
        std::string kept;
        size_t at = 0;
        while (at < text.size() && kept.size() < 1500) {
            size_t end = text.find('\n', at);
            std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at + 1);
            if (line.find('%') != std::string::npos && line[0] != '#')
                kept += line;
            at = end == std::string::npos ? text.size() : end + 1;
        }
        return kept;
    };
    std::string englishFormats = withValues(fileBytes(dataFolder + "/english.txt"));
    std::string germanFormats = withValues(fileBytes(dataFolder + "/german.txt"));
    std::string formatsLength;
    formatsLength += char(englishFormats.size() & 0xFF);
    formatsLength += char(englishFormats.size() >> 8);
    seed("format_text", "english-german", std::string("\0", 1) + formatsLength + englishFormats + germanFormats);
}

// Returns the first puzzle's fresh board as saved, for the seeds' kept games (empty when the store cannot be
// read).
std::string boardSeeds(const std::string& puzzles)
{
    LevelRecord record{};
    std::string store = fileBytes(puzzles + "/newLdPuzzles.dat", kPuzzleFileRecordSize);
    std::string complexities = fileBytes(puzzles + "/newLdComplexities.dat", 4);
    if (store.size() < size_t(kPuzzleFileRecordSize) || complexities.size() < 4)
        return std::string();
    memcpy(&record.complexity, complexities.data(), 4);
    memcpy(record.rows, store.data(), kPuzzleFileRecordSize);

    Board board;
    board.level = 1;
    board.buildFromRecord(record, 10000);
    board.puzzleId = 10000;
    board.scheme = 2;
    MemoryStreamOut fresh;
    board.save(fresh);
    seed("board_record", "fresh", bytesOf(fresh));
    int x, y, dx, dy;
    if (record.storedMove(0, &x, &y, &dx, &dy) && board.tryMove(CellPos{x, y}, dx, dy, true, 0, 1.0f) == 1) {
        board.undoCount = 1;
        MemoryStreamOut moved;
        board.save(moved);
        seed("board_record", "one-move", bytesOf(moved));
    }
    return bytesOf(fresh);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: fuzzseeds <corpus folder> <data folder>\n");
        return 2;
    }
    gCorpus = argv[1];
    mkdir(gCorpus.c_str(), 0755);
    settingsSeeds();
    experimentSeeds();
    const std::string board = boardSeeds(argv[2]);
    hiScoreSeeds();
    puzzleSeeds(argv[2]);
    sheetSeed(argv[2], "fullBitmap", 6);
    sheetSeed(argv[2], "theme0", 6);
    pictureSeeds(argv[2]);
    languageSeeds(argv[2]);
    promotionAndBestsSeeds();
    scoreReplySeeds();
    gameStateSeeds(board);
    return 0;
}
