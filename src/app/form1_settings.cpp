// Form1's settings restore at start and its shut-down when the main window is closed.
#include "app/form1.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "platform/stored_settings.h"

namespace qv {

void Form1::WireSettings() {
    form.OnCloseRequest([this] { Form_Unload(); });
}

void Form1::Timer11_Timer() {
    // The design-time pictures are the Starcraft skin; "Starcraft Style" shows them again.
    form["Picture1"].SetPicture(form.Picture());
    form["Picture2"].SetPicture(form["Command1"].Picture());
    form["Picture3"].SetPicture(form["Command4"].Picture());
    form["Picture4"].SetPicture(form["Command5"].Picture());
    form["Picture5"].SetPicture(form["Command6"].Picture());
    form["Picture6"].SetPicture(form["Command7"].Picture());
    form["Picture7"].SetPicture(form["Command8"].Picture());

    // From here on a value that cannot be read leaves the design-time state.
    const std::string style = platform.settings.Read(kStyleSetting).value_or("");
    if (style == "1") {
        Timer11.SetEnabled(false);  // the design-time look already is the Starcraft skin
    } else if (style == "2") {
        bluestyle_Click();
    } else if (style == "3") {
        silver_Click();
    }
    // The stored text as a 16-bit number, halves to even ("1.0" is 1); a check box holds 0, 1
    // or 2, and anything else leaves the box as it is.
    if (auto hide = platform.settings.Read(kHideSetting)) {
        const std::optional<double> number = ParseEntryNumber(*hide);
        const std::optional<int16_t> value = number ? ToInt16HalfEven(*number) : std::nullopt;
        if (value && *value >= 0 && *value <= 2) form["Check1"].SetValue(*value);
    }
    const std::string log = platform.settings.Read(kLogSetting).value_or("");
    if (log == "1") enab_Click();
    if (log == "0") disab_Click();
    Timer11.SetEnabled(false);
    MakeSound(AlertToneImage_, kToneFreq1, kToneFreq2, kToneDuration);
    // Loading the name alert window hidden restores its words and switch.
    name_alert.Load();
}

void Form1::Form_Unload() {
    // A value the store refuses is lost; the shut-down goes on.
    platform.settings.Write(kHideSetting, DecimalText(form["Check1"].Value()));
    upkeep.SetGameScrollBarsOnce();
    // Friends, then Channel: the game is left on its Channel tab.
    platform.windows.Click(HandleOf(boxes.handlefreunde));
    platform.windows.Click(HandleOf(boxes.handlekanal));
    platform.process.EndProgram();
}

}  // namespace qv
