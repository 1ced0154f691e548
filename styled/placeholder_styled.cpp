// placeholder
namespace pintoola { void placeholder_styled() {} }
