// placeholder
namespace pintoola { void placeholder_palette() {} }
