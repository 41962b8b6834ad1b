#include "frame.h"

namespace tc3d {
namespace border_rows {
#define TC3D_MEMBERS "border_members.def"
#include "member_table.inc"
}  // namespace border_rows
namespace image_rows {
#define TC3D_MEMBERS "image_members.def"
#include "member_table.inc"
}  // namespace image_rows
namespace interior_rows {
#define TC3D_MEMBERS "interior_members.def"
#include "member_table.inc"
}  // namespace interior_rows

TC3D_MODEL_CLASS_INFO(IBorder, border_rows)
TC3D_MODEL_CLASS_INFO(IImage, image_rows)
TC3D_MODEL_CLASS_INFO(IInterior, interior_rows)

namespace {

// The control, header, footer, legend, chart area and chart label columns.
constexpr SelectorRow kBorderSelector[] = {
    family(kSelectBorderType, VEX3D_BORDER, VEX3D_HEADER_BORDER, VEX3D_FOOTER_BORDER, VEX3D_LEGEND_BORDER,
           VEX3D_GRAPH_BORDER, VEX3D_TEXT_BORDER),
    family(kSelectBorderWidth, VEX3D_BORDER_WIDTH, VEX3D_HEADER_BORDER_WIDTH, VEX3D_FOOTER_BORDER_WIDTH,
           VEX3D_LEGEND_BORDER_WIDTH, VEX3D_GRAPH_BORDER_WIDTH, VEX3D_TEXT_BORDER_WIDTH),
};

// The plot cube's interior is the data area's background; it has no
// foreground and no picture of its own.
constexpr SelectorRow kInteriorSelector[] = {
    family(kSelectBackgroundColor, VEX3D_BACKGROUND_COLOR, VEX3D_HEADER_BACKGROUND_COLOR, VEX3D_FOOTER_BACKGROUND_COLOR,
           VEX3D_LEGEND_BACKGROUND_COLOR, VEX3D_GRAPH_BACKGROUND_COLOR, VEX3D_TEXT_BACKGROUND_COLOR)
        .with({PartTag::kPlotCube, kAnyIndex, VEX3D_DATA_AREA_BACKGROUND_COLOR}),
    family(kSelectForegroundColor, VEX3D_FOREGROUND_COLOR, VEX3D_HEADER_FOREGROUND_COLOR, VEX3D_FOOTER_FOREGROUND_COLOR,
           VEX3D_LEGEND_FOREGROUND_COLOR, VEX3D_GRAPH_FOREGROUND_COLOR, VEX3D_TEXT_FOREGROUND_COLOR),
};

// Only titles and chart labels have a minimum-size switch for their picture.
constexpr SelectorRow kImageSelector[] = {
    family(kSelectImageFile, VEX3D_IMAGE, VEX3D_HEADER_IMAGE, VEX3D_FOOTER_IMAGE, VEX3D_LEGEND_IMAGE, VEX3D_GRAPH_IMAGE,
           VEX3D_TEXT_IMAGE),
    family(kSelectImageLayout, VEX3D_IMAGE_LAYOUT, VEX3D_HEADER_IMAGE_LAYOUT, VEX3D_FOOTER_IMAGE_LAYOUT,
           VEX3D_LEGEND_IMAGE_LAYOUT, VEX3D_GRAPH_IMAGE_LAYOUT, VEX3D_TEXT_IMAGE_LAYOUT),
    family(kSelectImageMinimumSize, 0, VEX3D_HEADER_IMAGE_MINIMUM_SIZE, VEX3D_FOOTER_IMAGE_MINIMUM_SIZE, 0, 0,
           VEX3D_TEXT_IMAGE_MINIMUM_SIZE),
};

}  // namespace

std::span<const SelectorRow> IBorder::selector() const { return kBorderSelector; }
std::span<const SelectorRow> IImage::selector() const { return kImageSelector; }
std::span<const SelectorRow> IInterior::selector() const { return kInteriorSelector; }

void IInterior::attach_children() { image_->attach(owner(), this, part_tag(), index()); }

}  // namespace tc3d
