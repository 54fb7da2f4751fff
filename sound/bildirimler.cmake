# The sliding popups: the adhan popup and the notice form, on one shared animation.
# Included at the end of this folder's CMakeLists.txt.
add_library(ravla_bildirim STATIC
    ${CMAKE_CURRENT_LIST_DIR}/kayanpencere.cpp ${CMAKE_CURRENT_LIST_DIR}/kayanpencere.h
    ${CMAKE_CURRENT_LIST_DIR}/ezanpopup.cpp ${CMAKE_CURRENT_LIST_DIR}/ezanpopup.h
    ${CMAKE_CURRENT_LIST_DIR}/aniform.cpp ${CMAKE_CURRENT_LIST_DIR}/aniform.h
    ${PROJECT_SOURCE_DIR}/forms/ezanpopup.ui
    ${PROJECT_SOURCE_DIR}/forms/aniform.ui
)
set_target_properties(ravla_bildirim PROPERTIES
    AUTOMOC ON AUTOUIC ON
    AUTOUIC_SEARCH_PATHS ${PROJECT_SOURCE_DIR}/forms)
target_include_directories(ravla_bildirim PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(ravla_bildirim PUBLIC ravla_resources Qt6::Widgets)
