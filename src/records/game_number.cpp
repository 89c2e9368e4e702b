#include "records/game_number.h"

#include <cctype>
#include <charconv>

namespace records {

namespace {

constexpr int RandomSeedRange = 999999999;
constexpr int SmallSeedRange = 9999;

// A decimal integer with an optional sign and nothing else around it; `value` is written only
// when the whole text is one.
bool ParseGameNumber(const std::string& text, int& value) {
  const std::size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (text.size() == sign || !std::isdigit(static_cast<unsigned char>(text[sign]))) return false;
  const char* first = text.data() + (text[0] == '+' ? 1 : 0);
  const char* last = text.data() + text.size();
  int parsed = 0;
  const auto [end, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || end != last) return false;
  value = parsed;
  return true;
}

} // namespace

GameNumberModel::GameNumberModel(int& gameNumber, engine::Generator& rng)
    : gameNumber_(gameNumber), rng_(rng), text_(std::to_string(gameNumber)) {}

void GameNumberModel::RandomSeedChange(const std::string& text) {
  text_ = text.substr(0, GameNumberMaxLength);
  if (!text_.empty()) ParseGameNumber(text_, gameNumber_);
}

void GameNumberModel::Draw(int range) {
  gameNumber_ = rng_.Random(range) + 1;
  text_ = std::to_string(gameNumber_);
}

void GameNumberModel::BitBtn2Click() {
  Draw(RandomSeedRange);
}

void GameNumberModel::BitBtn3Click() {
  Draw(SmallSeedRange);
}

std::string GameNumberModel::BitBtn1Click(const std::string& text) {
  text_ = text.substr(0, GameNumberMaxLength);
  if (ParseGameNumber(text_, gameNumber_)) return {};
  return "'" + text_ + "' is not a valid integer value";
}

} // namespace records
