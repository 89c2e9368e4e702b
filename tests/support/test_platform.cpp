#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "engine/free_rule.h"
#include "engine/layout_file.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/files.h"

namespace testing_support {

bool ScriptedUi::AskOkCancel(const std::string& caption, const std::string& text) {
  questions.push_back(caption + ": " + text);
  if (whileAsking) whileAsking();
  if (okAnswers.empty()) return false;
  bool answer = okAnswers.front();
  okAnswers.pop_front();
  return answer;
}

bool ScriptedUi::AskYesNo(const std::string& caption, const std::string& text) {
  questions.push_back(caption + ": " + text);
  if (whileAsking) whileAsking();
  if (yesAnswers.empty()) return false;
  bool answer = yesAnswers.front();
  yesAnswers.pop_front();
  return answer;
}

std::string ScriptedUi::AskSaveFileName(const std::string& title, const std::string&,
                                        const std::string&) {
  questions.push_back(title);
  if (whileAsking) whileAsking();
  if (saveFileNames.empty()) return {};
  std::string answer = saveFileNames.front();
  saveFileNames.pop_front();
  return answer;
}

std::string ScriptedUi::AskOpenFileName(const std::string& title, const std::string&,
                                        const std::string&) {
  questions.push_back(title);
  if (whileAsking) whileAsking();
  if (openFileNames.empty()) return {};
  std::string answer = openFileNames.front();
  openFileNames.pop_front();
  return answer;
}

std::optional<std::uint32_t> ScriptedUi::AskColour(std::uint32_t initial) {
  colourDialogStarts.push_back(initial);
  if (whileAsking) whileAsking();
  if (colours.empty()) return std::nullopt;
  const std::uint32_t answer = colours.front();
  colours.pop_front();
  return answer;
}

void RecordingServices::IM(int mode) {
  modes.push_back(mode);
  state_.board.GameMode = static_cast<std::uint8_t>(mode);
}

void RecordingServices::Stop() {
  ++stops;
  IM(engine::ModeGamesPanel);
}

void RecordingServices::CountMoves() {
  if (game)
    game->CountMoves();
  else
    engine::IsItFree(state_);
}

void RecordingServices::BeginGame() {
  solitaire::BeginGame(state_, *this);
}

std::string TestDesktop::ReadBuiltin(const std::string& name) {
  const platform::FileRead file =
      platform::ReadWholeFile(std::string(PELMAR_BUILD_DIR) + "/builtin/" + name, 1 << 24);
  return file.ok ? file.bytes : std::string();
}

void RecordingServices::AskGameNumber() {
  if (gameNumbers.empty()) return;
  state_.board.GameNumber = gameNumbers.front();
  gameNumbers.pop_front();
}

TempFolder::TempFolder() {
  std::random_device entropy;
  path_ = std::filesystem::temp_directory_path() /
          ("pelmar-test-" + std::to_string(entropy()) + std::to_string(entropy()));
  std::filesystem::create_directories(path_ / "Layouts");
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  std::filesystem::path file = path_ / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
  return file.string();
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ProgramFolder::ProgramFolder(std::initializer_list<const char*> folders) {
  for (const char* folder : folders)
    std::filesystem::copy(std::filesystem::path(PELMAR_BUILD_DIR) / folder, temp_.path() / folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

std::string BuiltLayout(const std::string& name) {
  return std::string(PELMAR_LAYOUTS) + "/" + name + ".lay";
}

std::string TestLayout(const std::string& fileName) {
  return std::string(PELMAR_TEST_DATA) + "/layouts/" + fileName;
}

::testing::AssertionResult BoardIsConsistent(const engine::Board& board) {
  int onBoard = 0;
  int groupCounts[36] = {};
  for (int t = 1; t <= engine::MaxTiles; ++t) {
    const engine::Position& p = board.TilePos[t];
    if (!p.OnBoard()) continue;
    ++onBoard;
    ++groupCounts[engine::TileGroup(t)];
    if (board.BoardGrid(p) != t)
      return ::testing::AssertionFailure() << "tile " << t << " is not in the grid at its position";
  }
  for (int z = engine::TileGrid::MinZ; z <= engine::TileGrid::MaxZ; ++z)
    for (int y = engine::TileGrid::MinY; y <= engine::TileGrid::MaxY; ++y)
      for (int x = engine::TileGrid::MinX; x <= engine::TileGrid::MaxX; ++x) {
        int v = board.BoardGrid(x, y, z);
        if (v == 0) continue;
        if (v > engine::MaxTiles || !(board.TilePos[v] == engine::Position{x, y, z}))
          return ::testing::AssertionFailure() << "cell " << x << "," << y << "," << z << " holds "
                                               << v << " which is not placed there";
      }
  if (onBoard != board.TilesLeft)
    return ::testing::AssertionFailure()
           << onBoard << " tiles on the board, TilesLeft " << board.TilesLeft;
  if (board.TileCount % 2 == 0)
    for (int g = 0; g < 36; ++g)
      if (groupCounts[g] % 2 != 0)
        return ::testing::AssertionFailure()
               << "group " << g << " has " << groupCounts[g] << " tiles";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult PlaysOut(engine::Board& b, const engine::WinnableDeal& deal) {
  for (int k = 1; k < deal.removalCount; k += 2) {
    int first = b.BoardGrid(deal.removals[k]), second = b.BoardGrid(deal.removals[k + 1]);
    if (first == 0 || second == 0 || engine::TileGroup(first) != engine::TileGroup(second))
      return ::testing::AssertionFailure() << "pair " << (k + 1) / 2 << " does not match";
    if (!engine::Dispo(b, first) || !engine::Dispo(b, second))
      return ::testing::AssertionFailure() << "pair " << (k + 1) / 2 << " is not free";
    for (int t : {first, second}) {
      b.BoardGrid.Set(b.TilePos[t], 0);
      b.TilePos[t] = {};
    }
    b.TilesLeft -= 2;
  }
  if (b.TilesLeft != 0) return ::testing::AssertionFailure() << b.TilesLeft << " tiles left";
  return ::testing::AssertionSuccess();
}

} // namespace testing_support

namespace testing_support {

std::string SolidBmp(int width, int height, std::uint32_t rgb) {
  const auto put = [](std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
  std::string bmp = "BM";
  put(bmp, 54 + pixelBytes, 4);
  put(bmp, 0, 4);
  put(bmp, 54, 4);
  put(bmp, 40, 4);
  put(bmp, static_cast<std::uint32_t>(width), 4);
  put(bmp, static_cast<std::uint32_t>(height), 4);
  put(bmp, 1, 2);
  put(bmp, 24, 2);
  put(bmp, 0, 4);
  put(bmp, pixelBytes, 4);
  for (int i = 0; i < 4; ++i) put(bmp, 0, 4);
  std::string row;
  for (int x = 0; x < width; ++x) put(row, rgb, 3); // blue, green, red in the file
  row.resize(static_cast<std::size_t>(rowBytes), '\0');
  for (int y = 0; y < height; ++y) bmp += row;
  return bmp;
}

} // namespace testing_support
