#include "core/texts/favouritestexts.h"

namespace tessaron {

namespace {

FavouritesTexts spanish()
{
    FavouritesTexts t;
    t.windowName = QStringLiteral("frmbdd");
    t.caption = QStringLiteral("Favoritos");
    t.helpFile = QStringLiteral("ayuda.hlp");
    t.helpTopic = 200;
    t.figureLink = QStringLiteral("Buscar por figuras");
    t.nameLink = QStringLiteral("Buscar por nombre");
    t.openButton = QStringLiteral("buscar direccion");
    t.searchPrompt = QStringLiteral("Nombre a buscar :");
    t.searchButton = QStringLiteral("Buscar");
    t.searchTip = QStringLiteral("Buscar el nombre");
    t.searchBoxName = QStringLiteral("Nombre a buscar");
    t.previousTip = QStringLiteral("Anterior palabra");
    t.nextTip = QStringLiteral("Siguiente palabra");
    t.deleteTip = QStringLiteral("Borrar");
    t.noEntries = QStringLiteral("No Hay entradas");
    t.menu = QStringLiteral("&Opciones");
    t.menuName = QStringLiteral("mnuopcions");
    t.figureItem = QStringLiteral("Buscar por figuras");
    t.nameItem = QStringLiteral("Buscar por nombre");
    t.exitItem = QStringLiteral("Salir");
    t.exitName = QStringLiteral("mnusalir");
    t.exitShortcut = QStringLiteral("Ctrl+S");
    t.nothingPicked.fill(QStringLiteral("No hay ninguna dirección seleccionada"));
    t.emptySearch = QStringLiteral("Has de introducir el nombre de la dirección a buscar.");
    t.noMatch = QStringLiteral("No se ha encontrado ninguna coincidencia");
    t.deleteQuestion = QStringLiteral("Quieres borrar esta dirección ?");
    t.damagedRow = QStringLiteral("El favorito \"%1\" está dañado: no lo guardó Tessaron y no "
                                  "se abrirá. Puedes borrarlo.");
    t.importQuestion = QStringLiteral("Quieres importar los favoritos de \"%1\" ?");
    t.importDone = QStringLiteral("Favoritos importados de \"%1\": %2 añadidos, %3 ya estaban, %4 "
                                  "dejados fuera, %5 enlaces que no son direcciones de figura.");
    t.importLeftOut = QStringLiteral("Se han dejado fuera:");
    t.importNothing = QStringLiteral("No se ha importado nada de \"%1\":");
    t.openButtonLaunch = Launch::DesktopHandler;
    t.nameLabelLaunch = Launch::Browser;
    return t;
}

FavouritesTexts english()
{
    FavouritesTexts t;
    t.windowName = QStringLiteral("frmdb");
    t.caption = QStringLiteral("Favorites");
    t.helpFile = QStringLiteral("help.hlp");
    t.helpTopic = 202;
    t.figureLink = QStringLiteral("Search by shape");
    t.nameLink = QStringLiteral("Search by name");
    t.openButton = QStringLiteral("Search adress");
    t.searchPrompt = QStringLiteral("Name to search :");
    t.searchButton = QStringLiteral("Search");
    t.searchTip = QStringLiteral("Search name");
    t.searchBoxName = QStringLiteral("Name to search");
    t.previousTip = QStringLiteral("Back word");
    t.nextTip = QStringLiteral("Next word");
    t.deleteTip = QStringLiteral("Delete");
    t.noEntries = QStringLiteral("There aren't entries");
    t.menu = QStringLiteral("&Options");
    t.menuName = QStringLiteral("mnuoptions");
    t.figureItem = QStringLiteral("Search by shapes");
    t.nameItem = QStringLiteral("search by name");
    t.exitItem = QStringLiteral("Exit");
    t.exitName = QStringLiteral("mnuexit");
    t.exitShortcut = QStringLiteral("Ctrl+E");
    t.nothingPicked = {QStringLiteral("There is not any selected address."),
                       QStringLiteral("There is not any selected address"),
                       QStringLiteral("There is not any selected address"),
                       QStringLiteral("There is not any selected address")};
    t.emptySearch = QStringLiteral("You must introduce the name of the address to look for.");
    t.noMatch = QStringLiteral("There is not any coincidence.");
    t.deleteQuestion = QStringLiteral("Do you want to erase this address ?");
    t.damagedRow = QStringLiteral("The favorite \"%1\" is damaged: Tessaron did not save it, "
                                  "and it will not be opened. You can delete it.");
    t.importQuestion = QStringLiteral("Do you want to import the favorites of \"%1\" ?");
    t.importDone = QStringLiteral("Favorites imported from \"%1\": %2 added, %3 already there, %4 "
                                  "left out, %5 links that are not figure addresses.");
    t.importLeftOut = QStringLiteral("Left out:");
    t.importNothing = QStringLiteral("Nothing was imported from \"%1\":");
    t.openButtonLaunch = Launch::Browser;
    t.nameLabelLaunch = Launch::DesktopHandler;
    return t;
}

} // namespace

const FavouritesTexts &favouritesTexts(Lang lang)
{
    static const FavouritesTexts s = spanish();
    static const FavouritesTexts e = english();
    return lang == Lang::Spanish ? s : e;
}

} // namespace tessaron
