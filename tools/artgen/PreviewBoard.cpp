// A sample board for judging the art where it will be seen: a level of the shipped catalogue,
// made again by the level generator, started by the rules and drawn by the game's own drawing.
#include "Sheets.h"
#include "board_drawing.h"
#include "game.h"
#include "generate.h"
#include "null_view.h"

namespace artgen {
namespace {
// A level with both chalk slabs, the rust block and a texture among its pieces, six of them
// wet from the start.
constexpr int kSampleLevel = 281;
}  // namespace

QImage ComposePreviewBoard(const std::array<QImage, 6>& sheets) {
    slcy::NullView view;
    slcy::InstantClock clock;
    slcy::Game game(view, clock);
    game.InstallCatalogue(
        {slcy::levels::GenerateLevel(slcy::levels::kShippedSeed, kSampleLevel).Record});
    game.StartLevel(1);

    const slcy::SpriteSheets sprites(sheets);
    slcy::BoardDrawing drawing(sprites);
    drawing.DrawBackground();
    slcy::ForEachCell([&](int column, int row) { drawing.DrawCell(game.Board, column, row); });
    return drawing.box.scaled(drawing.box.size() * 2, Qt::IgnoreAspectRatio,
                              Qt::FastTransformation);
}

}  // namespace artgen
