#include "app/form1.h"

#include "app/form1_layout.h"

namespace qv {

Form1::Form1(Platform& p, ChatView& view)
    : Form1(p, view, std::make_unique<FormState>(Form1Layout())) {}

Form1::Form1(Platform& p, ChatView& view, std::unique_ptr<FormState> own) : Form1(p, view, *own) {
    own_form_ = std::move(own);
}

Form1::Form1(Platform& p, ChatView& view, FormState& form_state)
    : platform(p),
      form(form_state),
      greet(p),
      scan(p, boxes),
      send(p, boxes),
      pump(p, boxes,
           ChatPumpHooks{
               .set_line_box = [this](const std::string& row) { Text11.Set(row); },
               .clear_line_box = [this] { Text11.Set(""); },
               .clear_view =
                   [this] {
                       if (clear_view) clear_view();
                   },
               .clear_staging =
                   [this] {
                       if (clear_staging) clear_staging();
                   },
               .clear_backlog = [this] { idle.Text8.Set(""); },
               .welcome_stamp =
                   [this] {
                       greet.Command3_Click();
                       return greet.Text3.Get();
                   },
               .begin_pass = [this] { RichTextBox2.BeginBatch(); },
               .end_pass = [this] { RichTextBox2.EndBatch(); },
           }),
      Timer11(p.timers, "Timer11", kStartupRestoreDelayMs, true),
      RichTextBox2(view),
      chat_log(p.files, p.clock, p.codec),
      log_switch(p.settings),
      renderer(view, [this] { pump.Timer2.SetEnabled(true); }),
      RichTextBox1(renderer),
      auto_scroll(view),
      processor(LineProcessorServices{p.sound, AlertToneImage_, name_alert, chat_log},
                LineProcessorHooks{
                    .alert_enabled = [this] { return Label11.Get() == kMainEnabled; },
                    .count_at_binding = [this] { return pump.Text12.Get(); },
                    .mirror_count = [this] { return pump.MirrorCount(); },
                    .hide_offline = [this] { return form["Check1"].Value() == 1; },
                    .logging_on = [this] { return log_switch.EnabChecked(); },
                    .stage = [this](const std::string& text) { RichTextBox1.Replace(text); },
                    .clear_line_box = [this] { Text11.Set(""); },
                }),
      idle(p, boxes, RichTextBox1, view, Text9) {
    process_line = [this](const std::string& line) { processor.Text11_Change(line); };
    clear_view = [this] { RichTextBox2.Clear(); };
    // Emptying the staging box runs the renderer on no text, which shows nothing.
    clear_staging = [this] { RichTextBox1.Replace(""); };
    auto_scroll.hide_loading_note = [this] { Text9.Hide(); };
    RichTextBox2.OnChange([this] { auto_scroll.ScrollChatToEnd(); });
    // The oldest rows leave only while the view follows its end: a held mouse button keeps
    // the player's selection on the text they chose.
    RichTextBox2.KeepNewest(kChatViewRows, kChatViewSpareRows,
                            [this] { return auto_scroll.maustaste == "1"; });
    scan.Kaunta.OnChange([this] { pump.Kaunta_Change(); });
    boxes.text.OnChange([this] { pump.text_Change(); });
    boxes.list.OnChange([this] { pump.list_Change(); });
    Text11.OnChange([this] {
        if (process_line) {
            process_line(Text11.Get());
        } else {
            Text11.Set("");
        }
    });
    scan.SetUserListScrollBarsOff([this] {
        if (user_list_scrollbars_off) user_list_scrollbars_off();
        views.Timer4.Wake();
    });
    Timer11.SetHandler([this] { Timer11_Timer(); });
    WireControls();
    WireUserLists();
    WireTools();
    WireSettings();
    WireSkins();
    WireHistory();
    WireCapture();
}

void Form1::WireControls() {
    // The typing box and the send paths' Text4 are one box: each shows what the other holds.
    form["Text4"].OnChange([this] { send.Text4.Set(form["Text4"].Text()); });
    send.Text4.OnChange([this] { form["Text4"].SetText(send.Text4.Get()); });
    form["Command1"].OnClick([this] { send.Command1_Click(); });
    form["Command7"].OnClick([this] { send.Command7_Click(); });
    form["Command8"].OnClick([this] { send.Command8_Click(); });
    form["Command5"].OnClick([this] { send.Command5_Click(); });
    Text9.Visible.OnChange([this] { form["Text9"].SetVisible(Text9.Visible.Get()); });
}

void Form1::Start() {
    scan.FormLoad();
    scan.Ti.SetEnabled(true);
    scan.Ti1.SetEnabled(true);
    scan.Ti2.SetEnabled(true);
    Timer11.SetEnabled(true);
    idle.Start();
    StartUserLists();
}

}  // namespace qv
