# The HTML renderer: the portable core (document model, parser, layout, painting through a drawing interface,
# hit tests and selection, fixed metrics) in every flavour, and the text metrics on GDI in the Windows flavours.
add_library(ovanta_html_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/HtmlAdjustColor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlAttributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlEntities.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlFixedMetrics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlFontAttributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlHitTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlLookaheadWrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlObjectTags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlRender.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlSelection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlTagActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlTags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlWrap.cpp
)
target_include_directories(ovanta_html_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(ovanta_html_core PUBLIC ovanta_core)
ovanta_warnings(ovanta_html_core)

if(WIN32)
  add_library(ovanta_html_metrics_win STATIC ${CMAKE_CURRENT_LIST_DIR}/HtmlTextMetricsWin.cpp)
  target_link_libraries(ovanta_html_metrics_win PUBLIC ovanta_html_core ovanta_framework gdi32 user32)
  ovanta_warnings(ovanta_html_metrics_win)
endif()
