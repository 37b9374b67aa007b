#pragma once

// The inner margins of a key outline.
struct MarginInsideRectPolygon
{
    double top = 0;
    double side = 0;
};
