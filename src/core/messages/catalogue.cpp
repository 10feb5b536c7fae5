#include "core/messages/catalogue.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace vex {
namespace {

struct Entry {
    int number;
    std::string_view english;
    std::string_view russian;
};

// The one table of texts, kept in ascending order of number (checked below).
// Texts are UTF-8; placeholders %%1..%%4 are filled by MAKEWIZEMESSAGE.
// Note the two blanks before "points" in message 2002: they are part of the text.
constexpr Entry kCatalogue[] = {
    {msg::SaveAs, "Save as", "Сохранить как"},
    {msg::MarkerXminYmax, "Xmin;Ymax", "Xmin;Ymax"},
    {msg::MarkerXmaxYmax, "Xmax;Ymax", "Xmax;Ymax"},
    {msg::MarkerXmaxYmin, "Xmax;Ymin", "Xmax;Ymin"},
    {msg::MarkerXminYmin, "Xmin;Ymin", "Xmin;Ymin"},
    {msg::StatusLinesMax, "LinesMax = %%1", "Линий макс. = %%1"},
    {msg::StatusPointsMax, "; PointsMax = %%1", "; Точек макс. = %%1"},
    {msg::StatusLinesInUse, "Current lines use = %%1", "Тек. кол-во линий=%%1"},
    {msg::StatusPointsInUse, "; Current points use = %%1", "; Тек. кол-во точек на линии=%%1"},
    {msg::SplinePointsLimit, "Number of points on line must be lower than %%1",
     "Количество точек на линии должно быть меньше %%1"},
    {msg::PromptCaptureMode, "Points Capture Mode", "Режим добавления точек"},
    {msg::PromptScaleMode, "Set the Scale", "Режим установки системы координат"},
    {msg::BitmapNotFound, ".bmp file not found", "Загружаемое изображение не найдено"},
    {msg::PromptNew, "New", "Новый"},
    {msg::PromptLoad, "Load", "Загрузить"},
    {msg::PromptSave, "Save", "Сохранить"},
    {msg::PromptSaveAs, "Save as", "Сохранить как"},
    {msg::HintSplinePoint,
     "Set cursor on true position and press middle button mouse to add point on spline",
     "Установите курсор в нужное положение и нажатием средней кнопки мыши добавьте точку по "
     "сплайну"},
    {msg::HintCapturePoint, "Set cursor on true position and press left button mouse to add point",
     "Установите курсор в нужное положение и нажмите левую кнопку мыши, чтобы добавить точку"},
    {msg::HintMovePoint, "Set cursor on true position and press left button mouse set position",
     "Наведите курсор на одну из узловых точек, и зажав левую кнопку мыши, установите необходимое "
     "положение координаты"},
    {msg::ArgumentRangeInverted, "The minimum value of the argument is greater than the maximum",
     "Значение минимального аргумента больше, чем максимального"},
    {msg::ValueRangeInverted, "The minimum value of the parameter is greater than the maximum",
     "Значение минимального параметра больше, чем максимального"},
    {msg::TooFewPoints, "The number of points based on less than 2.",
     "Количество точек зависимости меньше 2-х."},
    {msg::ImportTooFewPoints, "The number of points that are imported based on less than 2.",
     "Количество точек импортируемой зависимости меньше 2-х."},
    {msg::ExportTooFewPoints, "The number of points that are exported based on less than 2.",
     "Количество точек экспортируемой зависимости меньше 2-х."},
    {msg::ExportTooFewLines, "The number of lines that are exported based on less than 1.",
     "Количество линий экспортируемой зависимости меньше 1-ой."},
    {msg::ExportTooManyLines,
     "The number of lines exported based on more than the service limit(%%1).",
     "Количество линий экспортируемой зависимости больше предельно допустимого значения(%%1)."},
    {msg::ExportTooManyPoints,
     "The number of points exported based on more than the service limit(%%1).",
     "Количество точек экспортируемой зависимости больше предельно допустимого значения(%%1)."},
    {msg::ConfirmRemoveLine, "Are you sure you want to remove the line №%%1?",
     "Вы уверены, что хотите удалить линию №%%1?"},
    {msg::ConfirmExit, "Are you sure you want to close the program?",
     "Вы уверены, что хотите закрыть программу?"},
    {msg::RestartToApplyLanguage, "Restart the program for the changes to take effect.",
     "Перезапустите программу, чтобы изменения вступили в силу."},
    {msg::SaveBeforeExit, "Save project before exit?", "Сохранить проект прежде чем выйти?"},
    {msg::PasteTooManyPoints,
     "Error inserting table two-parameter dependence from the clipboard. The receiver allows a "
     "maximum of %%1 points, and the clipboard contains %%2  points. The number of points to "
     "insert will be reduced to %%3.",
     "Ошибка при вставке двухпараметрической табличной зависимости из буфера обмена. Принимающий "
     "объект допускает максимум %%1 точек, а в буфере обмена содержится %%2  точек. Количество "
     "точек для вставки будет уменьшено до %%3."},
    {msg::ClipboardReadFailed, "Error when retrieving data from the clipboard.",
     "Ошибка при получении данных из буфера обмена."},
    {msg::ClipboardEmpty, "There is no data in the clipboard.", "Нет данных в буфере обмена."},
    {msg::Caption, "VEXILOR - Version 1.0", "VEXILOR - Version 1.0"},
    {msg::FileCannotOpen, "Cannot open the file %%1.", "Не удаётся открыть файл %%1."},
    {msg::FileTooLarge, "The file %%1 is too large for a file of this kind.",
     "Файл %%1 слишком велик для файла этого вида."},
    {msg::FileEndsEarly, "The file %%1 ends too early (line %%2). Nothing was loaded.",
     "Файл %%1 обрывается раньше времени (строка %%2). Ничего не загружено."},
    {msg::FileNotANumber,
     "Line %%2 of the file %%1 does not hold the number expected there. Nothing was loaded.",
     "Строка %%2 файла %%1 не содержит ожидаемого там числа. Ничего не загружено."},
    {msg::FileCountOutOfRange,
     "Line %%2 of the file %%1 holds the count %%3, outside the allowed range %%4. Nothing was "
     "loaded.",
     "Строка %%2 файла %%1 содержит количество %%3 вне допустимого диапазона %%4. Ничего не "
     "загружено."},
    {msg::FileValueNotFinite,
     "Line %%2 of the file %%1 holds a value that is not a finite number. Nothing was loaded.",
     "Строка %%2 файла %%1 содержит значение, не являющееся конечным числом. Ничего не "
     "загружено."},
    {msg::FileCannotWrite, "The file %%1 could not be written. The previous file is unchanged.",
     "Не удалось записать файл %%1. Прежний файл не изменён."},
    {msg::ClipboardTooManyLines,
     "The clipboard table holds %%1 lines, but at most %%2 can be pasted. The table was not "
     "changed.",
     "Таблица в буфере обмена содержит %%1 линий, а вставить можно не более %%2. Таблица не "
     "изменена."},
    {msg::SaveBeforeNew, "Save project before creating a new one?",
     "Сохранить проект перед созданием нового?"},
    {msg::SaveBeforeLoad, "Save project before loading another one?",
     "Сохранить проект перед загрузкой другого?"},
    {msg::LanguageNotStored,
     "The language setting could not be stored, so the next start keeps the current language.",
     "Не удалось сохранить настройку языка, поэтому при следующем запуске язык не изменится."},
    {msg::PictureUnreadable, "The file %%1 cannot be read as a picture.",
     "Файл %%1 не удаётся прочитать как изображение."},
    {msg::PictureDamaged, "The picture %%1 is damaged: its pixel data is cut short.",
     "Изображение %%1 повреждено: данные пикселей обрываются."},
    {msg::SplinePointsTooFew, "Number of points on line must be at least %%1",
     "Количество точек на линии должно быть не меньше %%1"},
    {msg::EnterNumberOfPoints, "Enter the number of points:", "Введите количество точек:"},
    {msg::PictureHeaderCut, "The picture %%1 is damaged: its header is cut short.",
     "Изображение %%1 повреждено: его заголовок обрывается."},
    {msg::PictureTooLarge,
     "The picture %%1 is too large: %%2 x %%3 pixels, more than the %%4 million pixels that can "
     "be opened.",
     "Изображение %%1 слишком велико: %%2 x %%3 пикселей, больше допустимых %%4 млн пикселей."},
    {msg::NumberTooLarge, "The number %%1 is too large to be stored. Nothing was changed.",
     "Число %%1 слишком велико, чтобы его сохранить. Ничего не изменено."},
    {msg::PointNotPlaceable,
     "The point X = %%1, Y = %%2 cannot be placed on the picture with the current calibration: it "
     "lies too far outside the chart, or is not positive on a logarithmic axis. Nothing was "
     "changed.",
     "Точку X = %%1, Y = %%2 нельзя поместить на изображение при текущей калибровке: она лежит "
     "слишком далеко за пределами графика или не положительна на логарифмической оси. Ничего не "
     "изменено."},
    {msg::RangeUnusable,
     "%%1 = %%2 and %%3 = %%4 cannot be used as a range: the two must differ, and the chart "
     "values around them must stay within the numbers the program can store.",
     "%%1 = %%2 и %%3 = %%4 нельзя использовать как диапазон: значения должны различаться, а "
     "значения графика вокруг них должны оставаться в пределах чисел, которые программа может "
     "сохранить."},
    {msg::FilePointNotPlaceable,
     "The file %%1 holds the point X = %%2, Y = %%3, which cannot be placed on the picture with "
     "the current calibration: it lies too far outside the chart, or is not positive on a "
     "logarithmic axis. Nothing was loaded.",
     "Файл %%1 содержит точку X = %%2, Y = %%3, которую нельзя поместить на изображение при "
     "текущей калибровке: она лежит слишком далеко за пределами графика или не положительна на "
     "логарифмической оси. Ничего не загружено."},
    {msg::ClipboardPointNotPlaceable,
     "The clipboard table holds the point X = %%1, Y = %%2, which cannot be placed on the picture "
     "with the current calibration: it lies too far outside the chart, or is not positive on a "
     "logarithmic axis. The table was not changed.",
     "Таблица в буфере обмена содержит точку X = %%1, Y = %%2, которую нельзя поместить на "
     "изображение при текущей калибровке: она лежит слишком далеко за пределами графика или не "
     "положительна на логарифмической оси. Таблица не изменена."},
    {msg::FileRangesUnusable,
     "Line %%2 of the file %%1 begins chart ranges so wide that chart values cannot be stored. "
     "Nothing was loaded.",
     "Строка %%2 файла %%1 начинает диапазоны графика настолько широкие, что значения графика "
     "невозможно сохранить. Ничего не загружено."},
    {msg::SplineSamplesUnusable,
     "The curve of this line runs beyond the numbers the program can store, so no points can be "
     "taken from it. The line was not changed.",
     "Кривая этой линии выходит за пределы чисел, которые программа может сохранить, поэтому "
     "взять с неё точки нельзя. Линия не изменена."},
    {msg::ProjectNotReadBack,
     "The project was not saved: line %%2 of the file %%1 would not read back as it was "
     "written. The previous file is unchanged.",
     "Проект не сохранён: строка %%2 файла %%1 не прочиталась бы так, как была записана. "
     "Прежний файл не изменён."},
    {msg::RecentFileMissing,
     "The file %%1 is no longer there; it has been taken off the list of recent files.",
     "Файла %%1 больше нет; он убран из списка недавних файлов."},
    {msg::LogarithmicRangeNotPositive,
     "%%1 = %%2 and %%3 = %%4 cannot be used on a logarithmic axis: both ends of a logarithmic "
     "axis must be positive, the minimum below the maximum. Nothing was changed.",
     "%%1 = %%2 и %%3 = %%4 нельзя использовать на логарифмической оси: оба конца "
     "логарифмической оси должны быть положительными, минимум меньше максимума. Ничего не "
     "изменено."},
    {msg::FileLogarithmicRangeNotPositive,
     "Line %%2 of the file %%1 begins chart ranges with an end that is not positive on a "
     "logarithmic axis. Nothing was loaded.",
     "Строка %%2 файла %%1 начинает диапазоны графика, у которых конец логарифмической оси не "
     "положителен. Ничего не загружено."},
    {msg::TraceNothingFound,
     "No line was found where you clicked. Click on the curve itself, or zoom in to reach it.",
     "В месте щелчка линия не найдена. Щёлкните по самой кривой или увеличьте изображение."},
    {msg::TraceBoundMissed,
     "The second click is not on the traced curve. The trace stays as it was.",
     "Второй щелчок не попал на обведённую кривую. Обводка осталась прежней."},
    {msg::TraceReplacePoints, "Line %%1 has %%2 points. Replace them with the traced points?",
     "На линии %%1 уже есть точки (%%2). Заменить их точками обводки?"},
    {msg::FamilyGridUnusable,
     "No grid can be made from %%1 to %%2 with %%3: the end must lie above the start, the step "
     "must be positive, and the grid must have from 2 to %%4 points.",
     "Сетку от %%1 до %%2 с параметром «%%3» построить нельзя: конец должен быть больше начала, "
     "шаг положительным, а точек в сетке от 2 до %%4."},
    {msg::FamilyHasNoPoints, "The family has no points yet.", "В семействе ещё нет точек."},
    {msg::FamilyValueNotANumber, "X and the parameter must both be numbers.",
     "X и параметр должны быть числами."},
    {msg::FamilyTooFewLinesAtX,
     "At X = %%1 fewer than two lines with different parameters have points around it, so "
     "there is nothing to read across. Allow extrapolation to use lines beyond their points.",
     "При X = %%1 менее двух линий с разными параметрами имеют точки вокруг этого значения, "
     "читать поперёк семейства не по чему. Разрешите экстраполяцию, чтобы продолжить линии за "
     "их точки."},
    {msg::FamilyParameterOutside,
     "The parameter %%1 lies outside the parameters of the lines at this X, from %%2 to %%3. "
     "Allow extrapolation to read beyond them.",
     "Параметр %%1 лежит вне параметров линий при этом X, от %%2 до %%3. Разрешите "
     "экстраполяцию, чтобы читать за их пределами."},
    {msg::FamilyFull, "The family already has %%1 lines, the most it can hold.",
     "В семействе уже %%1 линий — больше не помещается."},
    {msg::FamilyLineGridTooLarge,
     "A line can hold from 1 to %%2 points; the grid has %%1. Choose a larger step or fewer "
     "points.",
     "Линия может содержать от 1 до %%2 точек, а в сетке %%1. Выберите больший шаг или меньше "
     "точек."},
    {msg::FamilyEqualParameters, "Lines %%1 and %%2 have the same parameter, %%3.",
     "У линий %%1 и %%2 одинаковый параметр, %%3."},
    {msg::FamilyParametersOutOfOrder,
     "The parameters do not rise or fall steadily from line to line.",
     "Параметры не возрастают и не убывают последовательно от линии к линии."},
    {msg::FamilyLinesCross, "The curves of lines %%1 and %%2 cross near X = %%3.",
     "Кривые линий %%1 и %%2 пересекаются около X = %%3."},
    {msg::FamilyLineNotPlaceable,
     "The new line would have the point X = %%1, Y = %%2, which cannot be placed on the picture "
     "with the current calibration. No line was added.",
     "У новой линии была бы точка X = %%1, Y = %%2, которую нельзя поместить на изображение при "
     "текущей калибровке. Линия не добавлена."},
    {msg::FamilyGridNotRead, "The grid %%1 does not read as FROM:STEP:TO, three numbers.",
     "Сетка %%1 не читается как ОТ:ШАГ:ДО — три числа."},
    {msg::ClipboardHasNoPicture,
     "The clipboard holds no picture. Copy a picture (a screenshot, or an image from another "
     "program) and paste again.",
     "В буфере обмена нет изображения. Скопируйте изображение (снимок экрана или картинку из "
     "другой программы) и вставьте снова."},
    {msg::PictureNotKept,
     "The pasted picture could not be written to %%1, so the project was not saved.",
     "Вставленное изображение не удалось записать в %%1, поэтому проект не сохранён."},
    {msg::PdfProtected, "The PDF document %%1 is protected by a password, so it cannot be opened.",
     "Документ PDF %%1 защищён паролем, поэтому его нельзя открыть."},
    {msg::PdfUnreadable,
     "The file %%1 cannot be read as a PDF document: it is damaged or is not a PDF.",
     "Файл %%1 не удаётся прочитать как документ PDF: он повреждён или не является PDF."},
    {msg::PdfHasNoPages, "The PDF document %%1 has no pages.", "В документе PDF %%1 нет страниц."},
    {msg::PdfPageMissing, "The PDF document %%1 has %%2 page(s); there is no page %%3.",
     "В документе PDF %%1 страниц: %%2; страницы %%3 в нём нет."},
    {msg::PdfPageNotRendered, "Page %%2 of the PDF document %%1 could not be rendered.",
     "Не удалось отрисовать страницу %%2 документа PDF %%1."},
    {msg::PdfPageTooLarge,
     "Page %%1 at %%2 dpi would be %%3 pixels, more than the %%4 million pixels that can be "
     "opened. Choose a lower resolution.",
     "Страница %%1 при %%2 dpi заняла бы %%3 пикселей, больше допустимых %%4 млн пикселей. "
     "Выберите меньшее разрешение."},
    {msg::HintTrace, "Click a curve to trace it; Escape leaves",
     "Щёлкните по кривой, чтобы обвести её; Esc — выход"},
    {msg::HintTraceBound,
     "Click the curve again to end the trace there; Enter takes it, Escape leaves",
     "Щелчок по кривой ограничит обводку; Enter — принять, Esc — выход"},
};

constexpr bool strictlyAscending() {
    for (std::size_t i = 1; i < std::size(kCatalogue); ++i)
        if (kCatalogue[i - 1].number >= kCatalogue[i].number) return false;
    return true;
}
static_assert(strictlyAscending(), "catalogue numbers must be unique and in ascending order");

const Entry* find(int number) {
    const auto* it = std::lower_bound(std::begin(kCatalogue), std::end(kCatalogue), number,
                                      [](const Entry& e, int n) { return e.number < n; });
    return it != std::end(kCatalogue) && it->number == number ? it : nullptr;
}

} // namespace

std::string GETSS(int number, std::int32_t interfaceLanguage) {
    const Entry* e = find(number);
    if (!e) return {};
    return std::string(interfaceLanguage == 1 ? e->russian : e->english);
}

bool messageExists(int number) {
    return find(number) != nullptr;
}

} // namespace vex
