#include "core/texts/mainwindowtexts.h"

#include "core/version.h"

namespace tessaron {

namespace {

MainWindowTexts spanish()
{
    MainWindowTexts t;
    t.windowName = QStringLiteral("frmPrin_Cast");
    t.caption = QStringLiteral("Tessaron v") + QLatin1StringView(kVersion);
    t.helpFile = QStringLiteral("ayuda.hlp");
    t.titleName = QStringLiteral("lblTitol");
    t.nameBoxName = QStringLiteral("txtAdreca");
    t.nameBoxAccessibleName = QStringLiteral("Nombre de dominio");
    t.plainLabelName = QStringLiteral("lblAdrecaCom");
    t.plainWwwName = QStringLiteral("Label13");
    t.plainComName = QStringLiteral("Label12");
    t.figureLabelPrefix = QStringLiteral("lblAdreca");
    t.favouritesCaption = QStringLiteral("&Favoritos");
    t.favouritesTip = QStringLiteral("Ir a favoritos");
    t.registersCaption = QStringLiteral("&Registros");
    t.registersTip = QStringLiteral("Ver el registro de dominios");
    t.symbologyTip = QStringLiteral("Ir al formulario de simbologia");
    t.saveCaption = QStringLiteral("Guardar");
    t.saveTip = QStringLiteral("Guardar en favoritos");
    t.noAddress = QStringLiteral("No hay ninguna dirección introducida.");
    t.saved = QStringLiteral("Dirección guardada en favoritos.");
    t.alreadySaved = QStringLiteral("Esta dirección ya esta guardada");
    t.saveFailed = QStringLiteral("No se ha podido guardar la dirección.");
    // clang-format off
    t.menus = {
        {QStringLiteral("&Opciones"),
         QStringLiteral("mnuopciones"),
         {
             {QStringLiteral("Simbologia"), QStringLiteral("mnusimbologia"), MainCommand::Symbology, {}, 400},
             {QStringLiteral("Registro dominios"), QStringLiteral("mnuregistro"), MainCommand::Registers, {}, 100},
             {QStringLiteral("-"), QStringLiteral("mnulin1")},
             {QStringLiteral("Favoritos"), QStringLiteral("mnufavoritos"), MainCommand::Favourites, QStringLiteral("Ctrl+F"), 200},
             {QStringLiteral("Formulario reducido"), QStringLiteral("mnuformred"), MainCommand::Compact, QStringLiteral("Ctrl+R")},
             {QStringLiteral("-"), QStringLiteral("mnulin2")},
             {QStringLiteral("Salir"), QStringLiteral("mnusalir"), MainCommand::Exit, QStringLiteral("Ctrl+S")},
         }},
        {QStringLiteral("&Language"),
         QStringLiteral("mnuidioma"),
         {
             {QStringLiteral("English"), QStringLiteral("mnuenglish"), MainCommand::OtherLanguage, {}, 200},
         }},
        {QStringLiteral("&Ayuda"),
         QStringLiteral("mnuayuda"),
         {
             {QStringLiteral("Ayuda"), QStringLiteral("mnuuayuda"), MainCommand::HelpContents, QStringLiteral("F1")},
             {QStringLiteral("Ayuda sobre ..."), QStringLiteral("mnuaysobre"), MainCommand::HelpIndex},
             {QStringLiteral("-"), QStringLiteral("mnulin3")},
             {QStringLiteral("Acerca de ..."), QStringLiteral("mnucreditos"), MainCommand::About},
         }},
    };
    // clang-format on
    return t;
}

MainWindowTexts english()
{
    MainWindowTexts t;
    t.windowName = QStringLiteral("frmPrin_Ang");
    t.caption = QStringLiteral("Tessaron v") + QLatin1StringView(kVersion);
    t.helpFile = QStringLiteral("help.hlp");
    t.titleName = QStringLiteral("lblaTitol");
    t.nameBoxName = QStringLiteral("txtaAdreca");
    t.nameBoxAccessibleName = QStringLiteral("Domain name");
    t.plainLabelName = QStringLiteral("lblaAdrecaCom");
    t.plainWwwName = QStringLiteral("Label11");
    t.plainComName = QStringLiteral("Label14");
    t.figureLabelPrefix = QStringLiteral("lblaAdreca");
    t.favouritesCaption = QStringLiteral("&Favorites");
    t.favouritesTip = QStringLiteral("Go to favorites");
    t.registersCaption = QStringLiteral("&Registers");
    t.registersTip = QStringLiteral("Go to register of domains");
    t.symbologyTip = QStringLiteral("Go to simbology form");
    t.saveCaption = QStringLiteral("Save");
    t.saveTip = QStringLiteral("Save in favorites");
    t.noAddress = QStringLiteral("There is not any introduced address.");
    t.saved = QStringLiteral("The address is kept in favorites.");
    t.alreadySaved = QStringLiteral("This address is already kept.");
    t.saveFailed = QStringLiteral("The address could not be saved.");
    // clang-format off
    t.menus = {
        {QStringLiteral("&Options"),
         QStringLiteral("mnuoptions"),
         {
             {QStringLiteral("Simbology"), QStringLiteral("mnusimbology"), MainCommand::Symbology},
             {QStringLiteral("Register"), QStringLiteral("mnuregister"), MainCommand::Registers},
             {QStringLiteral("-"), QStringLiteral("mnulin1")},
             {QStringLiteral("Favorites"), QStringLiteral("mnufavorite"), MainCommand::Favourites, QStringLiteral("Ctrl+F")},
             {QStringLiteral("Reduced form"), QStringLiteral("mnureduced"), MainCommand::Compact, QStringLiteral("Ctrl+R")},
             {QStringLiteral("-"), QStringLiteral("mnulin2")},
             {QStringLiteral("Exit"), QStringLiteral("mnuexit"), MainCommand::Exit, QStringLiteral("Ctrl+E")},
         }},
        {QStringLiteral("&Idioma"),
         QStringLiteral("mnuidioma"),
         {
             {QStringLiteral("Español"), QStringLiteral("mnuespanol"), MainCommand::OtherLanguage, {}, 100},
         }},
        {QStringLiteral("&Help"),
         QStringLiteral("mnuhelp"),
         {
             {QStringLiteral("Help"), QStringLiteral("mnuhelpe"), MainCommand::HelpContents, QStringLiteral("F1")},
             {QStringLiteral("Help about ..."), QStringLiteral("mnuhab"), MainCommand::HelpIndex},
             {QStringLiteral("-"), QStringLiteral("mnulin3")},
             {QStringLiteral("About Tessaron"), QStringLiteral("mnuAbout"), MainCommand::About},
         }},
    };
    // clang-format on
    return t;
}

} // namespace

const MainWindowTexts &mainWindowTexts(Lang lang)
{
    static const MainWindowTexts s = spanish();
    static const MainWindowTexts e = english();
    return lang == Lang::Spanish ? s : e;
}

} // namespace tessaron
