#pragma once
// A page of the demo: every button of one skin set, each of its slots side by side (enlarged), and the
// live button at the end of its row.
#include "ui/skin/skin_tables.h"

#include <QWidget>
#include <filesystem>

namespace kavrel::demo {

QWidget* makeSkinSheet(const ui::skin::SkinSet& set, const std::filesystem::path& skinRoot, QWidget* parent);

} // namespace kavrel::demo
