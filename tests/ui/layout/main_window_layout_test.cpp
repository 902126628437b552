#include "ui/layout/main_window_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kavrel::ui::layout {

// Failures name the controls that differ instead of dumping bytes.
void PrintTo(const LayoutTable& table, std::ostream* out) {
    const LayoutTable builtIn;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Rect& r = table[static_cast<Control>(i)];
        if (r != builtIn[static_cast<Control>(i)])
            *out << "\n  " << controlName(static_cast<Control>(i)) << " " << r.left << "," << r.top << " "
                 << r.width << "x" << r.height;
    }
}
void PrintTo(const Rect& r, std::ostream* out) {
    *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

namespace {

using C = Control;

std::array<int, 4> columnWidths(const LayoutTable& table) {
    return {table[C::ListBox1].width, table[C::ListBox3].width, table[C::ListBox5].width,
            table[C::ListBox2].width};
}

std::array<int, 4> columnGrowth(const MainWindowLayout& before, const MainWindowLayout& after) {
    const auto a = columnWidths(before.table());
    const auto b = columnWidths(after.table());
    return {b[0] - a[0], b[1] - a[1], b[2] - a[2], b[3] - a[3]};
}

// Every width the layout can drive toward zero stays at zero or above.
void expectNothingNegative(const LayoutTable& table) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Rect& r = table[static_cast<Control>(i)];
        EXPECT_GE(r.width, 0) << controlName(static_cast<Control>(i));
        EXPECT_GE(r.height, 0) << controlName(static_cast<Control>(i));
    }
}

void dragInSteps(MainWindowLayout& layout, ResizePiece piece, Point from, Point to) {
    layout.dragTo(piece, from);
    Point at = from;
    while (at != to) {
        at.x += (to.x > at.x) - (to.x < at.x);
        at.y += (to.y > at.y) - (to.y < at.y);
        layout.dragTo(piece, at);
    }
    layout.forgetPointer(piece);
}

void dragInOneStep(MainWindowLayout& layout, ResizePiece piece, Point from, Point to) {
    layout.dragTo(piece, from);
    layout.dragTo(piece, to);
    layout.forgetPointer(piece);
}

constexpr Rect FullHd{0, 0, 1920, 1080};

struct EdgeCase {
    std::string name;
    std::function<void(MainWindowLayout&)> act;
    std::function<void(const MainWindowLayout& before, const MainWindowLayout& after)> check;
};

std::vector<EdgeCase> edgeCases() {
    using Shares = std::array<int, 4>;
    const auto rightEdgeBy = [](int dx) {
        return [dx](MainWindowLayout& l) {
            dragInOneStep(l, ResizePiece::RightEdge, {1000, 500}, {1000 + dx, 500});
        };
    };
    const auto growsColumns = [](Shares expected) {
        return [expected](const MainWindowLayout& before, const MainWindowLayout& after) {
            EXPECT_EQ(columnGrowth(before, after), expected);
        };
    };
    return {
        {"built-in layout fits to 692 x 513 with the clip from (7, 7) to (682, 503)",
         [](MainWindowLayout&) {},
         [](const MainWindowLayout&, const MainWindowLayout& l) {
             EXPECT_EQ(l.window(), (Rect{0, 0, 692, 513}));
             EXPECT_EQ(l.clip(), (Rect{7, 7, 675, 496}));
         }},
        {"grow 1 widens column 1 only", rightEdgeBy(1), growsColumns({1, 0, 0, 0})},
        {"shrink 1 narrows column 4 only", rightEdgeBy(-1), growsColumns({0, 0, 0, -1})},
        {"grow 3 widens columns 1 to 3", rightEdgeBy(3), growsColumns({1, 1, 1, 0})},
        {"shrink 5 takes the odd pixel from column 4", rightEdgeBy(-5), growsColumns({-1, -1, -1, -2})},
        {"shrink 3 steps back from column 4 and wraps", rightEdgeBy(-3), growsColumns({0, -1, -1, -1})},
        {"three columns: grow 2 widens columns 1 and 2",
         [&](MainWindowLayout& l) {
             l.setSeparateArtists(false);
             rightEdgeBy(2)(l);
         },
         [](const MainWindowLayout& before, const MainWindowLayout& after) {
             EXPECT_EQ(columnGrowth(before, after), (Shares{1, 1, 0, 0}));
         }},
        {"the window follows the right edge and the bars take the odd pixel to the time bar on a tie",
         rightEdgeBy(7),
         [](const MainWindowLayout& before, const MainWindowLayout& after) {
             EXPECT_EQ(after.window().width, before.window().width + 7);
             EXPECT_EQ(after.table()[C::TimeSKRL].width, 202 + 4);
             EXPECT_EQ(after.table()[C::VolumeSKRL].width, 202 + 3);
             EXPECT_EQ(after.table()[C::VolumeSKRL].left, 455 + 4);
             EXPECT_EQ(after.table()[C::ImgClose].left, 660 + 7);
             EXPECT_EQ(after.table()[C::StaticText2].left, after.table()[C::StaticText1].right() + 2);
         }},
        {"growing by one gives the odd pixel to the narrower bar",
         [&](MainWindowLayout& l) {
             rightEdgeBy(1)(l); // time 203, volume 202
             rightEdgeBy(1)(l);
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.table()[C::TimeSKRL].width, 203);
             EXPECT_EQ(after.table()[C::VolumeSKRL].width, 203);
         }},
        {"the right edge stops once the left artist strip is closed",
         [](MainWindowLayout& l) {
             dragInSteps(l, ResizePiece::RightEdge, {1000, 500}, {400, 500});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.table()[C::ImgPolosaLeftArt].width, 0);
             EXPECT_EQ(after.window().width, 692 - 4 * 29);
             expectNothingNegative(after.table());
         }},
        {"one large shrink step stops where pixel steps stop",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::RightEdge, {1000, 500}, {-1000, 500});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             MainWindowLayout stepped;
             dragInSteps(stepped, ResizePiece::RightEdge, {1000, 500}, {400, 500});
             EXPECT_EQ(after.table(), stepped.table());
             expectNothingNegative(after.table());
         }},
        {"the bottom edge stops once the album list is two rows and a pixel tall",
         [](MainWindowLayout& l) {
             dragInSteps(l, ResizePiece::BottomCentre, {500, 900}, {500, 100});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.table()[C::ListBox3].height, 33);
             EXPECT_EQ(after.window().height, 513 - 287);
             expectNothingNegative(after.table());
         }},
        {"one large upward step stops where pixel steps stop",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::BottomCentre, {500, 900}, {500, -900});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             MainWindowLayout stepped;
             dragInSteps(stepped, ResizePiece::BottomCentre, {500, 900}, {500, 100});
             EXPECT_EQ(after.table(), stepped.table());
         }},
        {"heightening splits an odd pixel to the album list on a tie and moves the song list down",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::BottomCentre, {500, 500}, {500, 505});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             const LayoutTable& t = after.table();
             EXPECT_EQ(t[C::ListBox3].height, 177 + 3);
             EXPECT_EQ(t[C::ListBox4].height, 209 + 2);
             EXPECT_EQ(t[C::ListBox4].top, 260 + 3);
             EXPECT_EQ(t[C::ImgSongSongs].top, 244 + 3);
             EXPECT_EQ(t[C::ListBox5].height, 384 + 5);
             EXPECT_EQ(t[C::ImgPlayPause].top, 462 + 5);
             EXPECT_EQ(after.window().height, 513 + 5);
         }},
        {"the corner resizes both ways at once",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::Corner, {900, 900}, {904, 910});
         },
         [](const MainWindowLayout& before, const MainWindowLayout& after) {
             EXPECT_EQ(after.window().width, before.window().width + 4);
             EXPECT_EQ(after.window().height, before.window().height + 10);
         }},
        {"the corner keeps widening when only the height is stopped",
         [](MainWindowLayout& l) {
             dragInSteps(l, ResizePiece::BottomCentre, {500, 900}, {500, 100});
             dragInOneStep(l, ResizePiece::Corner, {900, 900}, {920, 880});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.window().width, 692 + 20);
             EXPECT_EQ(after.window().height, 513 - 287);
         }},
        {"the corner stops when both shrink past both stops",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::Corner, {2000, 2000}, {-2000, -2000});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.table()[C::ImgPolosaLeftArt].width, 0);
             EXPECT_EQ(after.table()[C::ListBox3].height, 33);
             MainWindowLayout again = after;
             dragInOneStep(again, ResizePiece::Corner, {2000, 2000}, {1990, 1990});
             EXPECT_EQ(again.table(), after.table());
         }},
        {"full screen fills the screen with the outer margin off it",
         [](MainWindowLayout& l) { l.toggleFullScreen(FullHd); },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             const Rect& w = after.window();
             EXPECT_TRUE(after.fullScreen());
             EXPECT_EQ(w.left, -7);
             EXPECT_EQ(w.top, -7);
             EXPECT_EQ(w.left + after.table()[C::imgRigthLine].right(), 1920);
             EXPECT_EQ(w.top + after.table()[C::ImgNizCenter].bottom(), 1080);
             EXPECT_EQ(w.width, 692 + 1920 - 692 + 17);
         }},
        {"full screen on and off returns the exact geometry",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::Corner, {900, 900}, {937, 913});
             l.setWindowPosition({120, 45});
             l.toggleFullScreen({0, 0, 1365, 767});
             l.toggleFullScreen({0, 0, 1365, 767});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             MainWindowLayout expected;
             dragInOneStep(expected, ResizePiece::Corner, {900, 900}, {937, 913});
             expected.setWindowPosition({120, 45});
             EXPECT_EQ(after.table(), expected.table());
             EXPECT_EQ(after.window(), expected.window());
             EXPECT_FALSE(after.fullScreen());
         }},
        {"any manual resize ends full screen silently",
         [](MainWindowLayout& l) {
             l.toggleFullScreen(FullHd);
             dragInOneStep(l, ResizePiece::RightEdge, {1000, 500}, {990, 500});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_FALSE(after.fullScreen());
             EXPECT_EQ(after.window().left, -7);
         }},
        {"incorporated and back returns the same width and playlist height",
         [](MainWindowLayout& l) {
             dragInOneStep(l, ResizePiece::Corner, {900, 900}, {951, 933});
             EXPECT_TRUE(l.setSeparateArtists(false));
             EXPECT_TRUE(l.setSeparateArtists(true));
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             MainWindowLayout expected;
             dragInOneStep(expected, ResizePiece::Corner, {900, 900}, {951, 933});
             EXPECT_EQ(after.table(), expected.table());
             EXPECT_EQ(after.window(), expected.window());
         }},
        {"the incorporated mode drops the right column and one playlist row",
         [](MainWindowLayout& l) { l.setSeparateArtists(false); },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.window().width, 692 - 160);
             EXPECT_EQ(after.table()[C::ListBox5].height, 384 - 16);
             EXPECT_EQ(after.columns(), 3);
         }},
        {"switching to the mode already in changes nothing",
         [](MainWindowLayout& l) {
             EXPECT_FALSE(l.setSeparateArtists(true));
             l.setSeparateArtists(false);
             EXPECT_FALSE(l.setSeparateArtists(false));
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.window().width, 692 - 160);
             EXPECT_EQ(after.table()[C::ListBox5].height, 384 - 16);
         }},
        {"restoring a saved layout recreates its size and place",
         [](MainWindowLayout& l) {
             const std::vector<Rect> screens{FullHd};
             l.restore({37, 21, {100, 50}, {}, false}, StartSize::LastPosition, StartPosition::LastPosition,
                       FullHd, screens);
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.window(), (Rect{100, 50, 692 + 37, 513 + 21}));
             EXPECT_EQ(after.saved(), (SavedLayout{37, 21, {100, 50}, {}, false}));
         }},
        {"moving the pointer without dragging starts the next drag afresh",
         [](MainWindowLayout& l) {
             l.dragTo(ResizePiece::RightEdge, {1000, 500});
             l.dragTo(ResizePiece::RightEdge, {1010, 500});
             l.forgetPointer(ResizePiece::RightEdge);
             l.dragTo(ResizePiece::RightEdge, {1200, 500});
         },
         [](const MainWindowLayout&, const MainWindowLayout& after) {
             EXPECT_EQ(after.window().width, 702);
         }},
    };
}

TEST(MainWindowLayout, EdgeCases) {
    for (const EdgeCase& c : edgeCases()) {
        SCOPED_TRACE(c.name);
        const MainWindowLayout before;
        MainWindowLayout after;
        c.act(after);
        c.check(before, after);
    }
}

TEST(MainWindowLayout, ListScrollerMaximumRoundsRowsHalfToEven) {
    struct Case {
        int items, height, maximum;
    };
    for (const Case& c :
         {Case{30, 385, 7}, Case{30, 8, 31}, Case{30, 40, 29}, Case{30, 56, 27}, Case{3, 385, 0}})
        EXPECT_EQ(listScrollerMaximum(c.items, c.height), c.maximum)
            << c.items << " items, " << c.height << " px";
}

TEST(LayoutTable, NamesAreUniqueAndFound) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        EXPECT_EQ(controlNamed(controlName(control)), control);
    }
    EXPECT_EQ(controlNamed("NoSuchControl"), std::nullopt);
}

} // namespace
} // namespace kavrel::ui::layout
