#include "core/texts/sheettexts.h"

namespace tessaron {

namespace {

// clang-format off
const PrintTexts kSpanishPrinting{
    QStringLiteral("No hay ninguna impresora predeterminada. ¿Quiere guardar la página como archivo PDF?"),
    QStringLiteral("La impresora predeterminada, %1, está detenida. ¿Quiere guardar la página como archivo PDF?"),
    QStringLiteral("La impresora predeterminada, %1, no acepta trabajos. ¿Quiere guardar la página como archivo PDF?"),
    QStringLiteral("No se ha podido imprimir la página."),
    QStringLiteral("La impresora %1 ha detenido el trabajo: la página no se ha impreso."),
    QStringLiteral("La impresora %1 ha abandonado el trabajo: la página no se ha impreso."),
    QStringLiteral("Se ha cancelado el trabajo de la impresora %1: la página no se ha impreso."),
    QStringLiteral("La impresora %1 se ha detenido: la página espera en su cola sin imprimirse."),
    QStringLiteral("No se ha podido guardar el archivo PDF %1: %2."),
    QStringLiteral("no tiene permiso para escribir ahí"),
    QStringLiteral("la carpeta no existe"),
    QStringLiteral("el disco es de solo lectura"),
    QStringLiteral("no queda espacio en el disco"),
    QStringLiteral("es una carpeta"),
};

const PrintTexts kEnglishPrinting{
    QStringLiteral("There is no default printer. Do you want to keep the page as a PDF file?"),
    QStringLiteral("The default printer, %1, is stopped. Do you want to keep the page as a PDF file?"),
    QStringLiteral("The default printer, %1, is not accepting jobs. Do you want to keep the page as a PDF file?"),
    QStringLiteral("The page could not be printed."),
    QStringLiteral("The printer %1 stopped the job: the page was not printed."),
    QStringLiteral("The printer %1 aborted the job: the page was not printed."),
    QStringLiteral("The job on the printer %1 was cancelled: the page was not printed."),
    QStringLiteral("The printer %1 has stopped: the page waits in its queue, not printed."),
    QStringLiteral("The PDF file %1 could not be saved: %2."),
    QStringLiteral("you may not write there"),
    QStringLiteral("the folder does not exist"),
    QStringLiteral("the disk is read-only"),
    QStringLiteral("the disk is full"),
    QStringLiteral("it is a folder"),
};
// clang-format on

// clang-format off
RegistersTexts spanishRegisters()
{
    RegistersTexts t;
    t.windowName = QStringLiteral("frmReg_Cast");
    t.caption = QStringLiteral("Nombre a registrar, por figura.");
    t.clientWidth = 9135;
    t.clientHeight = 3570;
    t.helpTopic = 100;
    t.printItem = QStringLiteral("&Imprimir los registros");
    t.printItemName = QStringLiteral("mnureg");
    t.documentName = QStringLiteral("Registros");
    t.labelPrefix = QStringLiteral("lblReg_Ad");
    t.instructions = {
        {QStringLiteral("Label5"), QStringLiteral("Muy Importante"), QRect(6960, 0, 1815, 375), PlacedText::Style::Heading},
        {QStringLiteral("Label1"), QStringLiteral("Elija la familia de figuras, junto a la misma está la "), QRect(6600, 480, 2415, 495)},
        {QStringLiteral("Label2"), QStringLiteral("URL del dominio a Registrar."), QRect(6600, 960, 2175, 495), PlacedText::Style::Emphasis},
        {QStringLiteral("Label3"), QStringLiteral("Si posteriormente, da su web de alta en buscadores,"), QRect(6600, 1800, 2535, 495)},
        {QStringLiteral("Label4"), QStringLiteral("tendrá que entrar esta misma URL."), QRect(6600, 2280, 2415, 615), PlacedText::Style::Emphasis},
    };
    t.printing = kSpanishPrinting;
    return t;
}

RegistersTexts englishRegisters()
{
    RegistersTexts t;
    t.windowName = QStringLiteral("frmReg_Ang");
    t.caption = QStringLiteral("Name to register, by shape.");
    t.clientWidth = 9105;
    t.clientHeight = 3450;
    t.helpTopic = 101;
    t.printItem = QStringLiteral("&Print the registers");
    t.printItemName = QStringLiteral("mnuregisters");
    t.documentName = QStringLiteral("Registers");
    t.labelPrefix = QStringLiteral("lblaReg_Ad");
    t.printing = kEnglishPrinting;
    return t;
}

SymbologyTexts spanishSymbology()
{
    SymbologyTexts t;
    t.windowName = QStringLiteral("frmSimb_Cast");
    t.caption = QStringLiteral("Simbologia");
    t.clientWidth = 6465;
    t.clientHeight = 5265;
    t.greyBackground = true;
    t.helpTopic = 400;
    t.printItem = QStringLiteral("&Imprimir la ventana.");
    t.printItemName = QStringLiteral("mnuimprsimb");
    t.documentName = QStringLiteral("Simbologia");
    t.examples = {
        {QStringLiteral("Label6"), QStringLiteral("www.nombre.com"), QRect(240, 600, 1335, 255)},
        {QStringLiteral("Label7"), QStringLiteral("www.nombre.com"), QRect(240, 1800, 1335, 255)},
        {QStringLiteral("Label5_2"), QStringLiteral("www."), QRect(720, 3120, 495, 255)},
        {QStringLiteral("Label5_0"), QStringLiteral("nombre.com"), QRect(480, 3360, 975, 255)},
        {QStringLiteral("Label5_1"), QStringLiteral("www.nombre.com"), QRect(240, 4560, 1335, 255)},
    };
    t.explanations = {
        {QStringLiteral("Label1"), QStringLiteral("<-- Este dominio puede estar inscrito en poligonos de cuatro lados. Ejemplo : -->"), QRect(1920, 360, 2175, 615)},
        {QStringLiteral("Label2"), QStringLiteral("<-- Este dominio puede estar inscrito en figuras de trazo circular o elíptico. Ejemplo : -->"), QRect(1920, 1560, 2175, 735)},
        {QStringLiteral("Label3"), QStringLiteral("<-- Este dominio puede estar inscrito en polígonos de tres lados. Ejemplo : -->"), QRect(1920, 2880, 2175, 615)},
        {QStringLiteral("Label4"), QStringLiteral("<-- Este dominio puede estar inscrito en polígonos de más de cuatro lados. Ejemplo : -->"), QRect(1920, 4320, 2055, 975)},
    };
    t.printing = kSpanishPrinting;
    return t;
}

SymbologyTexts englishSymbology()
{
    SymbologyTexts t;
    t.windowName = QStringLiteral("frmSimb_Ang");
    t.caption = QStringLiteral("Simbology");
    t.clientWidth = 6450;
    t.clientHeight = 5250;
    t.greyBackground = false;
    t.helpTopic = 404;
    t.printItem = QStringLiteral("&Print this window");
    t.printItemName = QStringLiteral("mnuPrint");
    t.documentName = QStringLiteral("Simbology");
    t.examples = {
        {QStringLiteral("Label6"), QStringLiteral("www.name.com"), QRect(360, 600, 1215, 255)},
        {QStringLiteral("Label7"), QStringLiteral("www.name.com"), QRect(360, 1800, 1215, 255)},
        {QStringLiteral("Label5_2"), QStringLiteral("www."), QRect(720, 3120, 495, 255)},
        {QStringLiteral("Label5_0"), QStringLiteral("name.com"), QRect(600, 3360, 735, 255)},
        {QStringLiteral("Label5_1"), QStringLiteral("www.name.com"), QRect(360, 4560, 1215, 255)},
    };
    t.explanations = {
        {QStringLiteral("Label1"), QStringLiteral("<-- This domain can be inscribed in polygons of four sides. Example : -->"), QRect(1920, 360, 2175, 615)},
        {QStringLiteral("Label2"), QStringLiteral("<--This domain can be inscribed in line figures to circulate or elliptic. Example: -->"), QRect(1800, 1560, 2295, 735)},
        {QStringLiteral("Label3"), QStringLiteral("<--This domain can be inscribed in polygons of three sides. Example: -->"), QRect(1920, 2880, 2175, 615)},
        {QStringLiteral("Label4"), QStringLiteral("<--This domain can be inscribed in polygons of more than four sides. Example: -->"), QRect(1920, 4320, 2055, 735)},
    };
    t.printing = kEnglishPrinting;
    return t;
}
// clang-format on

} // namespace

const RegistersTexts &registersTexts(Lang lang)
{
    static const RegistersTexts s = spanishRegisters();
    static const RegistersTexts e = englishRegisters();
    return lang == Lang::Spanish ? s : e;
}

const SymbologyTexts &symbologyTexts(Lang lang)
{
    static const SymbologyTexts s = spanishSymbology();
    static const SymbologyTexts e = englishSymbology();
    return lang == Lang::Spanish ? s : e;
}

} // namespace tessaron
