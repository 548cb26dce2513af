namespace zw {}
