// The 150 commands of the language: the single source of truth for the command table
// string, the name lookup, the dispatcher's numbers and the help texts.
// ORDER: ascending by number; a test checks that 1 to 150 each appear once.
#pragma once

#define ZERIN_COMMANDS(X)                                                                   \
    X(1, "rnd") X(2, "int") X(3, "abs") X(4, "len") X(5, "sqr") X(6, "acos") X(7, "atn")     \
    X(8, "cos") X(9, "sin") X(10, "help") X(11, "do_set") X(12, "?") X(13, "do_file_copy")  \
    X(14, "do_is_folder") X(15, "do_trimname") X(16, "do_time") X(17, "do_date")             \
    X(18, "do_if") X(19, "do_else") X(20, "do_end_if") X(21, "do_for_each")                  \
    X(22, "do_dirsize") X(23, "do_text_load") X(24, "do_list_update")                        \
    X(25, "do_list_folders_first") X(26, "do_text_loadunicode") X(27, "do_text_loadhex")     \
    X(28, "do_text_filelist") X(29, "do_font_larger") X(30, "do_font_smaller")               \
    X(31, "do_column_headers") X(32, "do_column_autosize") X(33, "do_sizeformat")            \
    X(34, "do_vlc_wallpaper") X(35, "do_image_prev") X(36, "do_image_next")                  \
    X(37, "do_image_slide") X(38, "do_image_slower") X(39, "do_image_faster")                \
    X(40, "do_image_clear") X(41, "do_default_save") X(42, "do_text_execute")                \
    X(43, "circlef") X(44, "do_get") X(45, "do_run") X(46, "do_run_s") X(47, "do_runwait")   \
    X(48, "do_runwait_s") X(49, "do_wait") X(50, "do_script_break") X(51, "do_value_encode") \
    X(52, "do_value_decode") X(53, "do_query_okcancel") X(54, "do_mouse_autofocus")          \
    X(55, "query") X(56, "do_trimquotes") X(57, "input") X(58, "clr") X(59, "do_scanfolder") \
    X(60, "do_scanselected") X(61, "do_photo_date") X(62, "do_trimpath") X(63, "do_makedir") \
    X(64, "do_file_rename") X(65, "do_dir") X(66, "window") X(67, "do_pause") X(68, "button") \
    X(69, "button.remove") X(70, "button.color") X(71, "wait.input") X(72, "wait.input.text") \
    X(73, "window.input") X(74, "do_getobject_property") X(75, "do_button_from_editor")      \
    X(76, "do_events") X(77, "do_slow") X(78, "do.titlebar") X(79, "do.refresh")             \
    X(80, "file.exists") X(81, "file.cue.to.editor") X(82, "file.cue.status")                \
    X(83, "file.cue.count") X(84, "file.cue.source") X(85, "file.cue.target") X(86, "?.")    \
    X(87, "dir$") X(88, "instr") X(89, "lcase") X(90, "file.suffix")                         \
    X(91, "list.icons.update") X(92, "str.build") X(93, "gfx.color.brightness")              \
    X(94, "gfx.print") X(95, "gfx.refresh") X(96, "gfx.drawwidth")                           \
    X(97, "gfx.color.splitrgb") X(98, "gfx.open") X(99, "public") X(100, "public.save")      \
    X(101, "replace") X(102, "window.left") X(103, "window.top") X(104, "window.width")      \
    X(105, "window.height") X(106, "line") X(107, "bar") X(108, "circle") X(109, "cls")      \
    X(110, "forecolor") X(111, "fillstyle") X(112, "fillcolor") X(113, "mouse.x")            \
    X(114, "mouse.y") X(115, "mouse.button") X(116, "client.left") X(117, "client.top")     \
    X(118, "!") X(119, "point") X(120, "pset") X(121, "key.state") X(122, "bitmap.create")   \
    X(123, "bitmap.copy") X(124, "bitmap.load") X(125, "bitmap.save")                        \
    X(126, "bitmap.width") X(127, "bitmap.height") X(128, "time.tickcount")                  \
    X(129, "time.fps") X(130, "time.factor") X(131, "wait") X(132, "execute")                \
    X(133, "alphablend") X(134, "paintpicture") X(135, "thread.priority")                    \
    X(136, "sound.play") X(137, "sound.load") X(138, "window.setfocus")                      \
    X(139, "window.move") X(140, "do.allcommands") X(141, "hibernate") X(142, "tan")         \
    X(143, "asin") X(144, "window.title") X(145, "box") X(146, "left") X(147, "right")       \
    X(148, "mid") X(149, "gfx.mouse.x") X(150, "gfx.mouse.y")

namespace zerin {
inline constexpr int kCommandCount = 150;
}
