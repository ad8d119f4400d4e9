#include "gui/favourites/favouriteslayout.h"

#include "core/coding/family.h"
#include "gui/widgets/colours.h"

namespace tessaron {

namespace {

FavouritesLayout makeLayout(QSize client, int noEntriesWidth, bool sizable)
{
    FavouritesLayout l;
    l.sizable = sizable;
    l.client = client;
    l.title = {QStringLiteral("lblaTitol"),
               QRect(240, 120, 8775, 735),
               {.font = FontSpec{26.25, true, true},
                .text = kRed,
                .alignment = Qt::AlignHCenter | Qt::AlignTop},
               QStringLiteral("Tessaron")};
    const Look link{.font = FontSpec{9.75, true, true}, .text = kBlue};
    l.figureLink = {QStringLiteral("Label1"), QRect(2400, 1080, 1815, 255), link};
    l.nameLink = {QStringLiteral("Label2"), QRect(4920, 1080, 1815, 255), link};
    l.figureMarker = {QStringLiteral("Shape3"), QRect(1920, 1080, 255, 255)};
    l.nameMarker = {QStringLiteral("Shape4"), QRect(6960, 1080, 255, 255)};
    const QRect panel(0, 1440, 9255, 3255);
    l.figurePanel = {QStringLiteral("picfig"), panel};
    l.namePanel = {QStringLiteral("picnom"), panel};
    l.noEntriesPanel = {QStringLiteral("picnohay"), panel};
    const int figureWidth = 3;
    l.figureOutlines = {{
        {Family::R, QRect(240, 480, 3855, 735), figureWidth},
        {Family::C, QRect(5160, 480, 3855, 735), figureWidth},
        {Family::T, {}, figureWidth, {{2280, 1800}, {4200, 2760}, {240, 2760}}},
        {Family::P, QRect(5160, 1800, 3840, 960), figureWidth},
    }};
    const std::array<QRect, 4> lists{QRect(480, 720, 3375, 315), QRect(5760, 720, 2895, 315),
                                     QRect(1200, 2400, 2055, 315), QRect(5640, 2160, 3135, 315)};
    const std::array<QPoint, 4> openButtons{QPoint(1320, 1320), QPoint(6360, 1320),
                                            QPoint(1320, 2880), QPoint(6240, 2880)};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        l.lists[i] = {QStringLiteral("Combo%1").arg(i + 1), lists[i]};
        l.openButtons[i] = {QStringLiteral("Command%1").arg(i + 1),
                            QRect(openButtons[i], QSize(1815, 255))};
    }
    l.searchPrompt = {
        QStringLiteral("Label4"), QRect(240, 120, 2160, 285), {.font = FontSpec{12, true}}};
    l.searchBox = {QStringLiteral("txtnom"), QRect(2400, 120, 5415, 285)};
    l.searchButton = {QStringLiteral("cmdbuscar"), QRect(8040, 120, 1095, 375)};
    l.previous = {QStringLiteral("Command7"), QRect(2400, 600, 1575, 615)};
    l.next = {QStringLiteral("Command8"), QRect(6240, 600, 1575, 615)};
    // A row's outline stands beside its delete button, 30 twips in from its top and bottom.
    const Look nameLabel{.font = FontSpec{9.75}, .background = kLightYellow};
    for (std::size_t i = 0; i < l.nameRows.size(); ++i) {
        const int buttonTop = 1200 + 480 * int(i);
        const Family family = kFamilies[i];
        l.nameRows[i] = {{family, QRect(240, buttonTop + 30, 1695 - 240, 495 - 60), 2},
                         {QStringLiteral("lbladreca%1").arg(i + 1),
                          QRect(1920, buttonTop + 120, 6255, 255), nameLabel},
                         {QStringLiteral("cmdBorra_") + familyLetter(family).toUpper(),
                          QRect(8280, buttonTop, 855, 495)}};
    }
    l.noEntries = {QStringLiteral("Label3"),
                   QRect(120, 840, noEntriesWidth, 1695),
                   {.font = FontSpec{48, true, true},
                    .text = kDarkRed,
                    .alignment = Qt::AlignHCenter | Qt::AlignTop}};
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
