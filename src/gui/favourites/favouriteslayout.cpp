#include "gui/favourites/favouriteslayout.h"

#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"

namespace tessaron {

namespace {

FavouritesLayout makeLayout(QSize clientTwips, int noEntriesWidth, bool sizable)
{
    FavouritesLayout l;
    l.sizable = sizable;
    l.client = sizeFromTwips(clientTwips.width(), clientTwips.height());
    l.title = {QStringLiteral("lblaTitol"), QRect(240, 120, 8775, 735), {26.25, true, true}, kRed};
    l.figureLink = {QStringLiteral("Label1"), QRect(2400, 1080, 1815, 255)};
    l.nameLink = {QStringLiteral("Label2"), QRect(4920, 1080, 1815, 255)};
    l.linkFont = {9.75, true, true};
    l.linkColour = kBlue;
    l.figureMarker = {QStringLiteral("Shape3"), QRect(1920, 1080, 255, 255)};
    l.nameMarker = {QStringLiteral("Shape4"), QRect(6960, 1080, 255, 255)};
    l.panel = QRect(0, 1440, 9255, 3255);
    const int figureWidth = 3;
    l.figureOutlines = {{
        {Family::R, rectFromTwips(240, 480, 3855, 735), figureWidth},
        {Family::C, rectFromTwips(5160, 480, 3855, 735), figureWidth},
        {Family::T, {}, figureWidth, polygonFromTwips({{2280, 1800}, {4200, 2760}, {240, 2760}})},
        {Family::P, rectFromTwips(5160, 1800, 3840, 960), figureWidth},
    }};
    const int listHeight = 315;
    l.lists = {QRect(480, 720, 3375, listHeight), QRect(5760, 720, 2895, listHeight),
               QRect(1200, 2400, 2055, listHeight), QRect(5640, 2160, 3135, listHeight)};
    l.openButtons = {QRect(1320, 1320, 1815, 255), QRect(6360, 1320, 1815, 255),
                     QRect(1320, 2880, 1815, 255), QRect(6240, 2880, 1815, 255)};
    l.searchPrompt = {QStringLiteral("Label4"), QRect(240, 120, 2160, 285), {12, true}, {}};
    l.searchBox = {QStringLiteral("txtnom"), QRect(2400, 120, 5415, 285)};
    l.searchButton = {QStringLiteral("cmdbuscar"), QRect(8040, 120, 1095, 375)};
    l.previous = {QStringLiteral("Command7"), QRect(2400, 600, 1575, 615)};
    l.next = {QStringLiteral("Command8"), QRect(6240, 600, 1575, 615)};
    l.rowOutlineWidth = 2;
    // A row's outline stands beside its delete button, 30 twips in from its top and bottom.
    const std::array<QString, 4> deleteNames{
        QStringLiteral("cmdBorra_R"), QStringLiteral("cmdBorra_C"), QStringLiteral("cmdBorra_T"),
        QStringLiteral("cmdBorra_P")};
    for (std::size_t i = 0; i < l.nameRows.size(); ++i) {
        const int buttonTop = 1200 + 480 * int(i);
        l.nameRows[i] = {QRect(240, buttonTop + 30, 1695 - 240, 495 - 60),
                         QRect(1920, buttonTop + 120, 6255, 255),
                         {deleteNames[i], QRect(8280, buttonTop, 855, 495)}};
    }
    l.nameLabelFont = {9.75};
    l.nameLabelBackground = kLightYellow;
    l.noEntries = QRect(120, 840, noEntriesWidth, 1695);
    l.noEntriesFont = {48, true, true};
    l.noEntriesColour = kDarkRed;
    return l;
}

} // namespace

const FavouritesLayout &favouritesLayout(Lang lang)
{
    static const FavouritesLayout spanish = makeLayout(QSize(9240, 4980), 8655, false);
    static const FavouritesLayout english = makeLayout(QSize(9210, 4950), 9015, true);
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
