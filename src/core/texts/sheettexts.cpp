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
    t.helpTopic = 100;
    t.printItem = QStringLiteral("&Imprimir los registros");
    t.printItemName = QStringLiteral("mnureg");
    t.documentName = QStringLiteral("Registros");
    t.labelPrefix = QStringLiteral("lblReg_Ad");
    t.instructions = {
        {QStringLiteral("Label5"), QStringLiteral("Muy Importante")},
        {QStringLiteral("Label1"), QStringLiteral("Elija la familia de figuras, junto a la misma está la ")},
        {QStringLiteral("Label2"), QStringLiteral("URL del dominio a Registrar.")},
        {QStringLiteral("Label3"), QStringLiteral("Si posteriormente, da su web de alta en buscadores,")},
        {QStringLiteral("Label4"), QStringLiteral("tendrá que entrar esta misma URL.")},
    };
    t.printing = kSpanishPrinting;
    return t;
}

RegistersTexts englishRegisters()
{
    RegistersTexts t;
    t.windowName = QStringLiteral("frmReg_Ang");
    t.caption = QStringLiteral("Name to register, by shape.");
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
    t.helpTopic = 400;
    t.printItem = QStringLiteral("&Imprimir la ventana.");
    t.printItemName = QStringLiteral("mnuimprsimb");
    t.documentName = QStringLiteral("Simbologia");
    t.examples = {
        {QStringLiteral("Label6"), QStringLiteral("www.nombre.com")},
        {QStringLiteral("Label7"), QStringLiteral("www.nombre.com")},
        {QStringLiteral("Label5_2"), QStringLiteral("www.")},
        {QStringLiteral("Label5_0"), QStringLiteral("nombre.com")},
        {QStringLiteral("Label5_1"), QStringLiteral("www.nombre.com")},
    };
    t.explanations = {
        {QStringLiteral("Label1"), QStringLiteral("<-- Este dominio puede estar inscrito en poligonos de cuatro lados. Ejemplo : -->")},
        {QStringLiteral("Label2"), QStringLiteral("<-- Este dominio puede estar inscrito en figuras de trazo circular o elíptico. Ejemplo : -->")},
        {QStringLiteral("Label3"), QStringLiteral("<-- Este dominio puede estar inscrito en polígonos de tres lados. Ejemplo : -->")},
        {QStringLiteral("Label4"), QStringLiteral("<-- Este dominio puede estar inscrito en polígonos de más de cuatro lados. Ejemplo : -->")},
    };
    t.printing = kSpanishPrinting;
    return t;
}

SymbologyTexts englishSymbology()
{
    SymbologyTexts t;
    t.windowName = QStringLiteral("frmSimb_Ang");
    t.caption = QStringLiteral("Simbology");
    t.helpTopic = 404;
    t.printItem = QStringLiteral("&Print this window");
    t.printItemName = QStringLiteral("mnuPrint");
    t.documentName = QStringLiteral("Simbology");
    t.examples = {
        {QStringLiteral("Label6"), QStringLiteral("www.name.com")},
        {QStringLiteral("Label7"), QStringLiteral("www.name.com")},
        {QStringLiteral("Label5_2"), QStringLiteral("www.")},
        {QStringLiteral("Label5_0"), QStringLiteral("name.com")},
        {QStringLiteral("Label5_1"), QStringLiteral("www.name.com")},
    };
    t.explanations = {
        {QStringLiteral("Label1"), QStringLiteral("<-- This domain can be inscribed in polygons of four sides. Example : -->")},
        {QStringLiteral("Label2"), QStringLiteral("<--This domain can be inscribed in line figures to circulate or elliptic. Example: -->")},
        {QStringLiteral("Label3"), QStringLiteral("<--This domain can be inscribed in polygons of three sides. Example: -->")},
        {QStringLiteral("Label4"), QStringLiteral("<--This domain can be inscribed in polygons of more than four sides. Example: -->")},
    };
    t.printing = kEnglishPrinting;
    return t;
}
// clang-format on

} // namespace

QString textNamed(const QList<NamedText> &texts, QStringView name)
{
    for (const NamedText &named : texts) {
        if (named.name == name)
            return named.text;
    }
    return {};
}

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
