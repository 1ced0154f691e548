// placeholder
namespace pintoola { void placeholder_thumbs() {} }
