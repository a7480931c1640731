#include "modes/ArcadeGame.h"
#include "modes/BlitzGame.h"
#include "modes/BtCGame.h"
#include "modes/ChallengeGame.h"
#include "modes/CurrentGameI.h"
#include "modes/ExplainingGame.h"
#include "modes/FreePlayGame.h"
#include "modes/FrenzyGame.h"
#include "modes/TwoPlayerGame.h"

namespace {

// The game of a type, its settings copy set to that type; null for an
// unknown type. The instruction game keeps the settings' mode.
CurrentGameI* makeGame(int type, GameGraphics* graphics, bool explain)
{
    if (explain)
        return new ExplainingGame(graphics);
    if (type < kGameArcade || type > kGameBeatTheClock)
        return nullptr;
    CurrentGameI* game = nullptr;
    if (type == kGameArcade)
        game = new ArcadeGame(graphics);
    else if (type == kGameBlitz)
        game = new BlitzGame(graphics);
    else if (type == kGameBeatTheClock)
        game = new BtCGame(graphics);
    else if (type == kGameFreePlay)
        game = new FreePlayGame(graphics);
    else if (type == kGameTwoPlayer)
        game = new TwoPlayerGame(graphics);
    else if (type == kGameChallenge)
        game = new ChallengeGame(graphics);
    else
        game = new FrenzyGame(graphics);
    game->settings.gameMode = type;
    return game;
}

} // namespace

CurrentGameI* CurrentGameI::create(GameGraphics* graphics, bool explain)
{
    int mode = gSettings ? gSettings->gameMode : kGameArcade;
    return makeGame(mode, graphics, explain);
}

CurrentGameI* CurrentGameI::load(StreamIn& in, GameGraphics* graphics)
{
    int type = 0;
    if (!readInt(in, &type))
        return nullptr;
    OwnedPtr<CurrentGameI> game(makeGame(type, graphics, false));
    if (game.isNull() || !game->loadBody(in))
        return nullptr;
    return game.take();
}
