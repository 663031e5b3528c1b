# Assembles the runnable game folder under the build directory from the
# sources in content/ and the programs in tools/.

find_program(FONTFORGE fontforge REQUIRED)

set(FONT_STAMP ${GAME_DIR}/.fonts.stamp)
add_custom_command(
  OUTPUT ${FONT_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}
  COMMAND sh ${CMAKE_SOURCE_DIR}/tools/fonts/make_fonts.sh ${FONTFORGE} ${GAME_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${FONT_STAMP}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/fonts/make_fonts.sh
          ${CMAKE_SOURCE_DIR}/tools/fonts/to_ttf.pe
          ${CMAKE_SOURCE_DIR}/tools/fonts/to_fon.pe
  COMMENT "Making the game's fonts"
  VERBATIM)

# Runs a generator program that writes its files into the game folder,
# again whenever the program changes; STAMP_VAR names its stamp file.
function(game_folder_step STAMP_VAR NAME TOOL COMMENT)
  set(stamp ${GAME_DIR}/.${NAME}.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}
    COMMAND ${TOOL} ${GAME_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${TOOL}
    COMMENT "${COMMENT}"
    VERBATIM)
  set(${STAMP_VAR} ${stamp} PARENT_SCOPE)
endfunction()

game_folder_step(ART_STAMP art vessara-artgen "Painting the game's pictures")
game_folder_step(SOUND_STAMP sound vessara-soundgen "Making the game's sounds")

# Text data (catalogues, speech, descriptions) is copied, texts as Latin-1.
file(GLOB_RECURSE CONTENT_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/game/*)
set(DATA_STAMP ${GAME_DIR}/.data.stamp)
add_custom_command(
  OUTPUT ${DATA_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}
  COMMAND vessara-pack ${CMAKE_SOURCE_DIR}/content/game ${GAME_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${DATA_STAMP}
  DEPENDS vessara-pack ${CONTENT_DATA}
  COMMENT "Copying the game's data files"
  VERBATIM)

# Maps are authored in Tiled and compiled into the game's binary format.
file(GLOB MAP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/maps/*.tmx)
set(MAP_OUTPUTS)
foreach(tmx ${MAP_SOURCES})
  get_filename_component(name ${tmx} NAME_WE)
  set(out ${GAME_DIR}/Data/Maps/${name}.Map)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}/Data/Maps
    COMMAND vessara-mapconv tmx2map ${tmx} ${out}
    DEPENDS vessara-mapconv ${tmx}
    COMMENT "Compiling map ${name}"
    VERBATIM)
  list(APPEND MAP_OUTPUTS ${out})
endforeach()

# The connections between the maps, checked against the compiled maps. It
# comes after the data copy, which clears Data/ of files without a source
# in content/game.
set(LINK_SOURCE ${CMAKE_SOURCE_DIR}/content/maps/connections.txt)
set(LINK_OUTPUT ${GAME_DIR}/Data/Verbindungen.link)
add_custom_command(
  OUTPUT ${LINK_OUTPUT}
  COMMAND vessara-links compile ${LINK_SOURCE} ${LINK_OUTPUT} --maps ${GAME_DIR}/Data/Maps
  DEPENDS vessara-links ${LINK_SOURCE} ${MAP_OUTPUTS} ${DATA_STAMP}
  COMMENT "Compiling the map connections"
  VERBATIM)

# Quests are written as text, one file a quest, and compiled into the
# game's quest files; their journal texts come with the data files.
file(GLOB QUEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/quests/*.txt)
set(QUEST_STAMP ${GAME_DIR}/.quests.stamp)
add_custom_command(
  OUTPUT ${QUEST_STAMP}
  COMMAND vessara-quests build ${CMAKE_SOURCE_DIR}/content/quests ${GAME_DIR}/Data/Quests
          ${CMAKE_SOURCE_DIR}/content/game/Data/Tagebuch
  COMMAND ${CMAKE_COMMAND} -E touch ${QUEST_STAMP}
  DEPENDS vessara-quests ${QUEST_SOURCES} ${CONTENT_DATA}
  COMMENT "Compiling the quests"
  VERBATIM)

add_custom_target(game_folder ALL DEPENDS ${FONT_STAMP} ${ART_STAMP} ${SOUND_STAMP} ${DATA_STAMP} ${MAP_OUTPUTS} ${LINK_OUTPUT} ${QUEST_STAMP})
add_dependencies(game_folder vessara vessara-replay)

# The finished folder is read the way the game reads it: a content mistake
# fails the build with every problem named.
add_custom_target(check_game_folder ALL
  COMMAND vessara-check ${GAME_DIR}
  DEPENDS game_folder vessara-check
  COMMENT "Checking the game folder"
  VERBATIM)
