# The skin and the button pictures are drawn as SVG in resources/skin and resources/pictures
# and rendered here: rsvg-convert to PNG, then ImageMagick to 24-bit BMP at the exact size.
# A picture sheet holds the states of one control side by side; each state is cut out by
# its index. Red key areas are drawn with crispEdges, so no red fringe blends into the art.
find_program(VELTRA_RSVG rsvg-convert REQUIRED)
find_program(VELTRA_MAGICK convert-im6.q16 REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VELTRA_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(VELTRA_SKIN_DIR ${CMAKE_BINARY_DIR}/bin/VT5/skin)
set(VELTRA_ART_FILES)

# veltra_render(OUTPUT SVG WIDTH HEIGHT INDEX): state INDEX of the sheet SVG into OUTPUT.
function(veltra_render output svg width height index)
  math(EXPR x "${width} * ${index}")
  get_filename_component(name ${output} NAME_WE)
  get_filename_component(folder ${output} DIRECTORY)
  set(png ${VELTRA_ART_DIR}/png/${name}.png)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRA_ART_DIR}/png ${folder}
    COMMAND ${VELTRA_RSVG} -o ${png} ${svg}
    COMMAND ${VELTRA_MAGICK} ${png} -crop ${width}x${height}+${x}+0 +repage -background black -alpha remove
            -alpha off -type TrueColor BMP3:${output}
    DEPENDS ${svg}
    COMMENT "Rendering ${name}.bmp")
  set(VELTRA_ART_FILES ${VELTRA_ART_FILES} ${output} PARENT_SCOPE)
endfunction()

# Skins, loaded from VT5\skin at run time: name, width, height.
foreach(skin
    "MBG;760;560" "home_bg;760;385" "veltra_bg;760;385" "history_bg;760;385" "bg_general;760;385"
    "about_bg;760;385" "veltra_imformation;619;98" "vt5_bg_s;286;141" "vt5_bg_l;491;141"
    "reminder_bg;286;141" "List_bg;120;120")
  list(GET skin 0 name)
  list(GET skin 1 width)
  list(GET skin 2 height)
  veltra_render(${VELTRA_SKIN_DIR}/${name}.bmp ${PROJECT_SOURCE_DIR}/resources/skin/${name}.svg ${width} ${height} 0)
endforeach()

# Button pictures, built into the program: sheet, width, height, then one name per state.
foreach(sheet
    "tab;147;36;tab_normal;tab_pressed;tab_hover"
    "action;107;32;action_normal;action_pressed;action_hover;action_disabled"
    "hide;37;30;hide_normal;hide_pressed;hide_hover"
    "exit;37;30;exit_normal;exit_pressed;exit_hover"
    "check;15;15;check_off;check_on;check_disabled"
    "radio;15;15;radio_off;radio_on;radio_disabled"
    "row_tick;36;26;row_tick_off;row_tick_on;row_tick_disabled"
    "row_cell;190;26;row_cell;row_cell_disabled"
    "row_spacer;10;26;row_spacer"
    "row_download;30;26;row_download_normal;row_download_pressed;row_download_hover;row_download_disabled"
    "row_details;30;26;row_details_normal;row_details_pressed;row_details_hover;row_details_disabled"
    "list_title_update;619;34;list_title_update"
    "list_title_history;619;34;list_title_history"
    "chooser;120;17;chooser_normal;chooser_pressed;chooser_hover;chooser_disabled"
    "small;80;24;small_normal;small_pressed;small_hover"
    "answer;124;24;answer_normal;answer_pressed;answer_hover"
    "close;18;18;close_normal;close_pressed;close_hover"
    "server_mark;14;14;server_mark")
  list(POP_FRONT sheet sheetName width height)
  set(index 0)
  foreach(state ${sheet})
    veltra_render(${VELTRA_ART_DIR}/${state}.bmp ${PROJECT_SOURCE_DIR}/resources/pictures/${sheetName}.svg
                  ${width} ${height} ${index})
    math(EXPR index "${index} + 1")
  endforeach()
endforeach()

# The program icon in three sizes, and the hand cursor of links with its hot spot at the fingertip.
set(icon_svg ${PROJECT_SOURCE_DIR}/resources/pictures/icon.svg)
set(cursor_svg ${PROJECT_SOURCE_DIR}/resources/pictures/link_hand.svg)
add_custom_command(OUTPUT ${VELTRA_ART_DIR}/veltra.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRA_ART_DIR}/png
  COMMAND ${VELTRA_RSVG} -w 16 -h 16 -o ${VELTRA_ART_DIR}/png/icon16.png ${icon_svg}
  COMMAND ${VELTRA_RSVG} -w 32 -h 32 -o ${VELTRA_ART_DIR}/png/icon32.png ${icon_svg}
  COMMAND ${VELTRA_RSVG} -w 48 -h 48 -o ${VELTRA_ART_DIR}/png/icon48.png ${icon_svg}
  COMMAND ${VELTRA_MAGICK} ${VELTRA_ART_DIR}/png/icon16.png ${VELTRA_ART_DIR}/png/icon32.png
          ${VELTRA_ART_DIR}/png/icon48.png ${VELTRA_ART_DIR}/veltra.ico
  DEPENDS ${icon_svg}
  COMMENT "Rendering veltra.ico")
add_custom_command(OUTPUT ${VELTRA_ART_DIR}/link_hand.cur
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRA_ART_DIR}/png
  COMMAND ${VELTRA_RSVG} -w 32 -h 32 -o ${VELTRA_ART_DIR}/png/link_hand.png ${cursor_svg}
  COMMAND ${VELTRA_MAGICK} ${VELTRA_ART_DIR}/png/link_hand.png ${VELTRA_ART_DIR}/link_hand.ico
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/resources/make-cursor.py
          ${VELTRA_ART_DIR}/link_hand.ico ${VELTRA_ART_DIR}/link_hand.cur 11 2
  DEPENDS ${cursor_svg} ${PROJECT_SOURCE_DIR}/resources/make-cursor.py
  COMMENT "Rendering link_hand.cur")
list(APPEND VELTRA_ART_FILES ${VELTRA_ART_DIR}/veltra.ico ${VELTRA_ART_DIR}/link_hand.cur)

add_custom_target(veltra_art ALL DEPENDS ${VELTRA_ART_FILES})
set_property(GLOBAL PROPERTY VELTRA_ART_FILES ${VELTRA_ART_FILES})
